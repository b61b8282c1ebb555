// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QThread>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>

#include "resources/StringTable.h"

namespace {
std::mutex g_hookMutex;
MessageHooks g_hooks;

MessageHooks CurrentHooks() {
    std::lock_guard<std::mutex> lock(g_hookMutex);
    return g_hooks;
}

QMessageBox::Icon ToQtIcon(unsigned nIcon) {
    switch (nIcon & 0xF0) {
        case MB_ICONSTOP:
            return QMessageBox::Critical;
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case MB_ICONINFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

// One message from another thread at a time, handed over in this slot.
std::mutex g_callerMutex;
std::mutex g_pendingMutex;
std::condition_variable g_pendingChanged;
QString g_pendingText;
QString g_pendingDetail;
unsigned g_nPendingIcon = 0;
bool g_bPosted = false;  // the queued call is on its way
bool g_bDone = false;    // the user has dismissed the box

QString Joined(const QString& text, const QString& detail) {
    return detail.isEmpty() ? text : text + QLatin1Char('\n') + detail;
}

// Runs on the user-interface thread.
void ShowOnGuiThread(const QString& text, const QString& detail, unsigned nIcon) {
    const MessageHooks hooks = CurrentHooks();
    if ((nIcon & 0xF0) == MB_ICONSTOP) MessageBeep(MB_ICONSTOP);
    if (hooks.detailedBox) {
        hooks.detailedBox(text, detail, nIcon);
        return;
    }
    if (hooks.box) {
        hooks.box(Joined(text, detail), nIcon);
        return;
    }
    const std::unique_ptr<QMessageBox> pBox(
        CreateMessageBox(Joined(text, detail), nIcon, QApplication::activeWindow()));
    pBox->exec();
}

// The queued call from another thread. It first waits until the caller has
// come back from posting it, so that everything the caller did (the posting
// included) is ordered before this thread runs and frees the call.
void ShowPending() {
    QString text, detail;
    unsigned nIcon;
    {
        std::unique_lock<std::mutex> lock(g_pendingMutex);
        g_pendingChanged.wait(lock, [] { return g_bPosted; });
        text = g_pendingText;
        detail = g_pendingDetail;
        nIcon = g_nPendingIcon;
    }
    ShowOnGuiThread(text, detail, nIcon);
    std::lock_guard<std::mutex> lock(g_pendingMutex);
    g_bDone = true;
    g_pendingChanged.notify_all();
}
}  // namespace

QMessageBox* CreateMessageBox(const QString& text, unsigned nIcon, QWidget* pParent) {
    return new QMessageBox(ToQtIcon(nIcon), QStringLiteral("Kalvo"), text, QMessageBox::Ok,
                           pParent);
}

void SetMessageHooks(MessageHooks hooks) {
    std::lock_guard<std::mutex> lock(g_hookMutex);
    g_hooks = std::move(hooks);
}

void ClearMessageHooks() {
    SetMessageHooks({});
}

void MessageBeep(unsigned nType) {
    const MessageHooks hooks = CurrentHooks();
    if (hooks.beep) {
        hooks.beep(nType);
        return;
    }
    if (qApp) QApplication::beep();
}

namespace {
int ShowTextAndDetail(const QString& text, const QString& detail, unsigned nIcon) {
    // Every message also goes to standard error, so that it reaches a
    // terminal or the session's journal (and a batch run without a window
    // system still tells the user).
    std::fprintf(stderr, "Kalvo: %s\n", Joined(text, detail).toLocal8Bit().constData());
    std::fflush(stderr);
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return IDOK;
    if (QThread::currentThread() == app->thread()) {
        ShowOnGuiThread(text, detail, nIcon);
        return IDOK;
    }
    // The capture thread waits here until the user has read the message,
    // as with Qt::BlockingQueuedConnection. The wait is on a standard mutex
    // instead of Qt's semaphore, which ThreadSanitizer cannot see into (Qt is
    // not instrumented): with it, the hand-over of the call and its message
    // would be reported as races.
    std::lock_guard<std::mutex> caller(g_callerMutex);
    {
        std::lock_guard<std::mutex> lock(g_pendingMutex);
        g_pendingText = text;
        g_pendingDetail = detail;
        g_nPendingIcon = nIcon;
        g_bPosted = false;
        g_bDone = false;
    }
    QMetaObject::invokeMethod(
        app, [] { ShowPending(); }, Qt::QueuedConnection);
    std::unique_lock<std::mutex> lock(g_pendingMutex);
    g_bPosted = true;
    g_pendingChanged.notify_all();
    g_pendingChanged.wait(lock, [] { return g_bDone; });
    return IDOK;
}
}  // namespace

int ShowMessageText(const QString& text, unsigned nIcon) {
    return ShowTextAndDetail(text, QString(), nIcon);
}

int ShowMessageText(const QString& text, unsigned nIcon, const QString& detail) {
    return ShowTextAndDetail(text, detail, nIcon);
}

bool AskYesNo(const QString& text, unsigned nIcon) {
    std::fprintf(stderr, "Kalvo: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    const MessageHooks hooks = CurrentHooks();
    if (hooks.question) return hooks.question(text);
    if (hooks.detailedBox || hooks.box) {
        ShowOnGuiThread(text, QString(), nIcon);
        return false;
    }
    QMessageBox box(ToQtIcon(nIcon), QStringLiteral("Kalvo"), text,
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

int ShowMessage(unsigned nStringId, unsigned nIcon) {
    return ShowMessageText(LoadResText(nStringId), nIcon);
}

int ShowMessage(unsigned nStringId, unsigned nIcon, const QString& detail) {
    return ShowTextAndDetail(LoadResText(nStringId), detail, nIcon);
}
