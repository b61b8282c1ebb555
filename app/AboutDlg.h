// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>

// The About dialog: version, date, owner, what the program is built with,
// and a button that opens the program's documentation.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);
    // What button 1058 opens: the project's homepage (a program must not
    // rely on what the system may leave out of /usr/share/doc).
    static QUrl HomepageUrl();
    // Opens a URL with the desktop's handler; tests replace it. The result is
    // not looked at.
    static std::function<bool(const QUrl&)> s_fnOpenUrl;
    void OnVisitWebsite();
};

// The acknowledgements: the libraries the program stands on.
class CAcknowledgementsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAcknowledgementsDlg(QWidget* pParent = nullptr);
};
