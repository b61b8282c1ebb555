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
unsigned g_nPendingIcon = 0;
bool g_bPosted = false;  // the queued call is on its way
bool g_bDone = false;    // the user has dismissed the box

// Runs on the user-interface thread.
void ShowOnGuiThread(const QString& text, unsigned nIcon) {
    const MessageHooks hooks = CurrentHooks();
    if ((nIcon & 0xF0) == MB_ICONSTOP) MessageBeep(MB_ICONSTOP);
    if (hooks.box) {
        hooks.box(text, nIcon);
        return;
    }
    const std::unique_ptr<QMessageBox> pBox(
        CreateMessageBox(text, nIcon, QApplication::activeWindow()));
    pBox->exec();
}

// The queued call from another thread. It first waits until the caller has
// come back from posting it, so that everything the caller did (the posting
// included) is ordered before this thread runs and frees the call.
void ShowPending() {
    QString text;
    unsigned nIcon;
    {
        std::unique_lock<std::mutex> lock(g_pendingMutex);
        g_pendingChanged.wait(lock, [] { return g_bPosted; });
        text = g_pendingText;
        nIcon = g_nPendingIcon;
    }
    ShowOnGuiThread(text, nIcon);
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

int ShowMessageText(const QString& text, unsigned nIcon) {
    // Every message also goes to standard error, so that it reaches a
    // terminal or the session's journal (and a batch run without a window
    // system still tells the user).
    std::fprintf(stderr, "Kalvo: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return IDOK;
    if (QThread::currentThread() == app->thread()) {
        ShowOnGuiThread(text, nIcon);
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

int ShowMessage(unsigned nStringId, unsigned nIcon) {
    return ShowMessageText(QString::fromUtf8(LoadResString(nStringId)), nIcon);
}

int ShowMessage(unsigned nStringId, unsigned nIcon, const QString& detail) {
    QString text = QString::fromUtf8(LoadResString(nStringId));
    if (!detail.isEmpty()) text += QLatin1Char('\n') + detail;
    return ShowMessageText(text, nIcon);
}
