#include "platform/ui/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QThread>
#include <cstdio>
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

// Runs on the user-interface thread.
void ShowOnGuiThread(const QString& text, unsigned nIcon) {
    const MessageHooks hooks = CurrentHooks();
    if ((nIcon & 0xF0) == MB_ICONSTOP) MessageBeep(MB_ICONSTOP);
    if (hooks.box) {
        hooks.box(text, nIcon);
        return;
    }
    QMessageBox box(ToQtIcon(nIcon), QStringLiteral("Kalvo"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
}  // namespace

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
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        // No window system (a batch run): the text still reaches the user.
        std::fprintf(stderr, "Kalvo: %s\n", text.toLocal8Bit().constData());
        return IDOK;
    }
    if (QThread::currentThread() == app->thread()) {
        ShowOnGuiThread(text, nIcon);
    } else {
        // The capture thread waits here until the user has read the message.
        QMetaObject::invokeMethod(
            app, [text, nIcon] { ShowOnGuiThread(text, nIcon); }, Qt::BlockingQueuedConnection);
    }
    return IDOK;
}

int ShowMessage(unsigned nStringId, unsigned nIcon) {
    return ShowMessageText(QString::fromUtf8(LoadResString(nStringId)), nIcon);
}
