// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutDlg.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "app/AppIds.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/Gdi.h"
#include "resources/AppResources.h"

#ifndef KALVO_HOMEPAGE
#define KALVO_HOMEPAGE "https://kalvo.org/"
#endif

namespace {
QRect Units(int l, int t, int w, int h) {
    return MapDialogRect(QRect(l, t, w, h));
}

void SetDialogFont(QWidget* pWidget) {
    pWidget->setFont(DialogWidgetFont());
}

QLabel* AddText(QWidget* pParent, const QString& text, const QRect& units) {
    auto* pLabel = new QLabel(text, pParent);
    pLabel->setGeometry(MapDialogRect(units));
    pLabel->setTextFormat(Qt::PlainText);
    return pLabel;
}
}  // namespace

std::function<bool(const QUrl&)> CAboutDlg::s_fnOpenUrl = [](const QUrl& url) {
    return QDesktopServices::openUrl(url);
};

CAboutDlg::CAboutDlg(QWidget* pParent) : QDialog(pParent) {
    setWindowTitle(tr("About kalvo"));
    SetDialogFont(this);
    setFixedSize(DialogUnitsToPixelsX(185), DialogUnitsToPixelsY(95));

    auto* pVisit = new QPushButton(tr("Click to visit kalvo website"), this);
    pVisit->setObjectName(QStringLiteral("1058"));
    pVisit->setGeometry(Units(15, 70, 95, 15));
    pVisit->setAutoDefault(false);
    auto* pClose = new QPushButton(tr("Close"), this);
    pClose->setObjectName(QStringLiteral("1"));
    pClose->setGeometry(Units(125, 70, 39, 14));
    pClose->setDefault(true);

    auto* pIcon = new QLabel(this);
    pIcon->setGeometry(Units(7, 11, 20, 20));
    pIcon->setPixmap(LoadIconResource(IDR_MAINFRAME));
    AddText(this, tr("kalvo version 2.3.2.0"), QRect(40, 10, 119, 8));
    AddText(this, tr("15 September 2006"), QRect(40, 20, 119, 8));
    AddText(this, tr("Copyright (C) the Kalvo project"), QRect(40, 30, 115, 10));
    QLabel* pBuilt =
        AddText(this, tr("Built with C++ and Qt 6 Widgets;\nlistens through PulseAudio"),
                QRect(40, 45, 130, 20));
    pBuilt->setWordWrap(true);

    connect(pVisit, &QPushButton::clicked, this, [this] { OnVisitWebsite(); });
    connect(pClose, &QPushButton::clicked, this, &QDialog::accept);
}

QUrl CAboutDlg::HomepageUrl() {
    return QUrl(QStringLiteral(KALVO_HOMEPAGE));
}

void CAboutDlg::OnVisitWebsite() {
    if (s_fnOpenUrl) s_fnOpenUrl(HomepageUrl());
}

CAcknowledgementsDlg::CAcknowledgementsDlg(QWidget* pParent) : QDialog(pParent) {
    setWindowTitle(tr("Acknowledgements"));
    SetDialogFont(this);
    setFixedSize(DialogUnitsToPixelsX(165), DialogUnitsToPixelsY(76));
    auto* pOk = new QPushButton(tr("OK"), this);
    pOk->setObjectName(QStringLiteral("1"));
    pOk->setGeometry(Units(63, 55, 39, 14));
    pOk->setDefault(true);
    QLabel* pThanks = AddText(this,
                              // Four short lines: the box holds five of them.
                              tr("Thanks to Qt, https://www.qt.io,\n"
                                 "to PulseAudio, https://www.freedesktop.org\n"
                                 "and to libsndfile,\n"
                                 "https://libsndfile.github.io"),
                              QRect(10, 5, 145, 45));
    pThanks->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    pThanks->setWordWrap(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
}
