// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/MessageBox.h"

// Message boxes the dialogs showed, in order, instead of blocking on them.
struct MessageRecorder {
    struct Box {
        std::string text;
        unsigned nIcon;
    };
    MessageRecorder() {
        SetMessageHooks({[](unsigned) {},
                         [this](const QString& text, unsigned nIcon) {
                             boxes.push_back({text.toStdString(), nIcon});
                         }});
    }
    ~MessageRecorder() { ClearMessageHooks(); }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Box& b : boxes) texts.push_back(b.text);
        return texts;
    }
    std::vector<Box> boxes;
};

// Runs the dialog modally with exec(), as the main window does, and performs
// the user's steps while it is open. A dialog that the steps left open is
// cancelled so that a failing test cannot hang; wasOpen tells.
struct ModalRun {
    int nResult = -1;
    bool bLeftOpen = false;
};
inline ModalRun RunModal(QDialog& dlg, const std::function<void()>& steps) {
    ModalRun run;
    QTimer::singleShot(0, &dlg, [&] {
        dlg.activateWindow();
        (void)QTest::qWaitForWindowActive(&dlg);
        steps();
        if (dlg.isVisible()) {
            run.bLeftOpen = true;
            dlg.reject();
        }
    });
    run.nResult = dlg.exec();
    return run;
}

inline void Press(QDialog& dlg, const char* pszId) {
    QPushButton* pButton = dlg.findChild<QPushButton*>(QString::fromLatin1(pszId));
    ASSERT_NE(pButton, nullptr);
    QTest::mouseClick(pButton, Qt::LeftButton);
}
inline void PressOk(QDialog& dlg) {
    Press(dlg, "1");
}
inline void PressCancel(QDialog& dlg) {
    Press(dlg, "2");
}

// Walks the list with the arrow keys, as a user picks an entry from the
// keyboard; every step is a user's choice.
inline void ChooseRow(QComboBox* pList, int nRow) {
    ASSERT_GE(nRow, 0);
    ASSERT_LT(nRow, pList->count());
    pList->setFocus();
    for (int nGuard = 0; pList->currentIndex() != nRow && nGuard < 1000; ++nGuard)
        QTest::keyClick(pList, pList->currentIndex() < nRow ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(pList->currentIndex(), nRow);
}

// Replaces the field's text by typing, as after selecting it all.
inline void TypeInto(QLineEdit* pField, const QString& text) {
    pField->setFocus();
    QTest::keyClick(pField, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pField, Qt::Key_Delete);
    QTest::keyClicks(pField, text);
}
