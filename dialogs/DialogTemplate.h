// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QDialog;
class QGroupBox;
class QWidget;

// What every settings dialog does with its template: title, frame without
// maximise, the dialog font and the fixed size given in dialog units. Titles
// and texts come translated (the dialog's tr()).
void SetUpTemplateDialog(QDialog* pDialog, const QString& title, int nWidthDu, int nHeightDu);

// A group box placed in dialog units.
QGroupBox* AddTemplateGroup(QWidget* pParent, const QString& text, int l, int t, int w, int h);
