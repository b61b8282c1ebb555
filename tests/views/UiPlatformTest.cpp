// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QThread>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "platform/ui/DialogUnits.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "resources/StringTable.h"

namespace {
// Records beeps and boxes in the order they came, and where they ran.
struct Recorder {
    std::vector<std::string> events;
    std::atomic<bool> bOffGuiThread{false};

    Recorder() {
        SetMessageHooks({[this](unsigned) { Note("beep"); },
                         [this](const QString& text, unsigned icon) {
                             Note("box " + std::to_string(icon) + " " + text.toStdString());
                         }});
    }
    ~Recorder() { ClearMessageHooks(); }
    void Note(const std::string& e) {
        if (QThread::currentThread() != qApp->thread()) bOffGuiThread = true;
        events.push_back(e);
    }
};
}  // namespace

TEST(DialogUnits, FixedBaseUnitsOfTheDialogFont) {
    EXPECT_EQ(DialogUnitsToPixelsX(356), 534);
    EXPECT_EQ(DialogUnitsToPixelsX(4), 6);
    EXPECT_EQ(DialogUnitsToPixelsY(8), 13);
    // 217 * 13 / 8 = 352.625, rounded like MulDiv.
    EXPECT_EQ(DialogUnitsToPixelsY(217), 353);
    EXPECT_EQ(DialogUnitsToPixelsX(-3), -5);  // -4.5 rounds away from zero
    // Adjacent controls stay adjacent: edges are converted, not sizes.
    const QRect a = MapDialogRect(QRect(7, 7, 3, 3));
    const QRect b = MapDialogRect(QRect(10, 10, 3, 3));
    EXPECT_EQ(a.left() + a.width(), b.left());
    EXPECT_EQ(a.top() + a.height(), b.top());
}

TEST(MessageBox, StopIconIsPrecededByTheErrorBeepOthersAreNot) {
    Recorder rec;
    ShowMessage(146, MB_ICONSTOP);
    ShowMessage(158, MB_ICONEXCLAMATION);
    ShowMessage(173, MB_ICONINFORMATION);
    ASSERT_EQ(rec.events.size(), 4u);
    EXPECT_EQ(rec.events[0], "beep");
    EXPECT_EQ(rec.events[1], "box 16 Another instance of Kalvo is already running");
    EXPECT_EQ(rec.events[2], "box 48 Recording must be stopped before exiting Kalvo");
    EXPECT_EQ(rec.events[3], "box 64 " + std::string(LoadResString(173)));
}

TEST(MessageBox, FromAnotherThreadItRunsOnTheGuiThreadAndBlocksTheCaller) {
    Recorder rec;
    std::atomic<bool> bReturned{false};
    std::atomic<bool> bReturnedBeforeBox{false};
    SetMessageHooks({[&](unsigned) { rec.Note("beep"); },
                     [&](const QString& text, unsigned) {
                         if (bReturned) bReturnedBeforeBox = true;
                         rec.Note("box " + text.toStdString());
                     }});
    std::thread capture([&] {
        ShowMessage(161, MB_ICONSTOP);
        bReturned = true;
    });
    while (!bReturned) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    capture.join();
    EXPECT_FALSE(bReturnedBeforeBox);
    EXPECT_FALSE(rec.bOffGuiThread);
    EXPECT_EQ(rec.events, (std::vector<std::string>{"beep", "box Cannot write to wave file"}));
}

TEST(Menu, ItemsAreFoundByCommandIdAlsoInSubmenus) {
    QMenu bar;
    QMenu* sub = bar.addMenu(QStringLiteral("&View"));
    AppendMenuItem(&bar, 2, QStringLiteral("E&xit"));
    AppendMenuItem(sub, 32783, QStringLiteral("Cent Meter &Damping"));
    ASSERT_NE(FindMenuItem(&bar, 32783), nullptr);
    EXPECT_EQ(FindMenuItem(&bar, 32783)->text(), QStringLiteral("Cent Meter &Damping"));
    EXPECT_EQ(FindMenuItem(&bar, 999), nullptr);
    EXPECT_TRUE(CheckMenuItem(&bar, 32783, true));
    EXPECT_TRUE(FindMenuItem(&bar, 32783)->isChecked());
    EXPECT_TRUE(EnableMenuItem(&bar, 2, false));
    EXPECT_FALSE(FindMenuItem(&bar, 2)->isEnabled());
    EXPECT_TRUE(SetMenuItemText(&bar, 2, QStringLiteral("Quit")));
    EXPECT_EQ(GetMenuItemId(FindMenuItem(&bar, 2)), 2u);
    EXPECT_FALSE(EnableMenuItem(&bar, 12345, true));
}
