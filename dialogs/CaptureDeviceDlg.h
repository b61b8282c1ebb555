// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "capture/CaptureDevices.h"

class QComboBox;

// "Select Capture Device": the devices' descriptions in a drop-down list with
// an edit field; OK and Cancel end it with their ids.
class CCaptureDeviceDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCaptureDeviceDlg(QWidget* pParent = nullptr);

    // Every description in list order, the first selected.
    void FillList(const CCaptureDeviceList& list);
    // The listed row the user chose, or -1 when the edit field holds a text
    // that is no row's (the default device is then opened).
    int GetSelection() const;
    QComboBox* GetList() const { return m_pList; }

private:
    QComboBox* m_pList;
};
