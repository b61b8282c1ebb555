// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

// Message box icons, with the platform's numbers.
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_OK = 0x00;
constexpr int IDOK = 1;

// The error beep (the stop icon's sound) and the warning beep.
void MessageBeep(unsigned nType);

// Shows string nStringId of the string table in a message box with the given
// icon; the stop icon is preceded by the error beep. Callable from any thread:
// off the user-interface thread it blocks until the box is dismissed.
int ShowMessage(unsigned nStringId, unsigned nIcon);
// The same with a line of detail beneath the designed text (the file or
// source concerned, the system's reason, what to try); an empty detail
// shows the designed text alone.
int ShowMessage(unsigned nStringId, unsigned nIcon, const QString& detail);
// The same for a text built by the caller (a filled-in format).
int ShowMessageText(const QString& text, unsigned nIcon);
int ShowMessageText(const QString& text, unsigned nIcon, const QString& detail);

// A question with Yes and No (No is the default), on the user-interface
// thread only; true for Yes.
bool AskYesNo(const QString& text, unsigned nIcon);
// The box ShowMessage shows, not yet shown (the caller owns it).
QMessageBox* CreateMessageBox(const QString& text, unsigned nIcon, QWidget* pParent);

// Stand-ins for the sound and the box, for tests that must not block on a
// modal box. Both run where the real ones would (the user-interface thread).
// With detailedBox set, a box is handed over as its designed text and its
// line of detail apart; else box gets the whole text.
struct MessageHooks {
    std::function<void(unsigned nType)> beep;
    std::function<void(const QString& text, unsigned nIcon)> box;
    std::function<void(const QString& text, const QString& detail, unsigned nIcon)> detailedBox = {};
    // The answer to AskYesNo; unset, the question counts as a box answered No.
    std::function<bool(const QString& text)> question = {};
};
void SetMessageHooks(MessageHooks hooks);
void ClearMessageHooks();
