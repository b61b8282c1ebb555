// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDialog;
class QGroupBox;
class QWidget;

// What every settings dialog does with its template: title, frame without
// maximise, the dialog font and the fixed size given in dialog units.
void SetUpTemplateDialog(QDialog* pDialog, const char* pszTitle, int nWidthDu, int nHeightDu);

// A group box placed in dialog units.
QGroupBox* AddTemplateGroup(QWidget* pParent, const char* pszText, int l, int t, int w, int h);
