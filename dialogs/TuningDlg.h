// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "analysis/TuningOptions.h"

class QComboBox;
class QLabel;
class QLineEdit;

// Settings -> Tuning: the temperament and its tonic, or a Scala scale with its
// keyboard map, or an instrument's strings (a preset or notes of one's own),
// with the twelve offsets of the temperament in cents. OK takes the choice
// only when every file in it reads; a bad one is told in a message box and
// the dialog stays open, so the tuning in use stays as it was.
class CTuningDlg : public QDialog {
    Q_OBJECT
public:
    explicit CTuningDlg(QWidget* pParent = nullptr);

    // The choice shown at opening; after OK, the one made (only the tuning's
    // fields of CTuningValues are read and written).
    void SetValues(const CTuningValues& values);
    const CTuningValues& GetValues() const { return m_values; }

    // The preview: "C +0.0  C# -3.9 ..." for the chosen temperament and tonic.
    QString PreviewText() const;

    QComboBox* GetTemperamentList() const { return m_pTemperament; }
    QComboBox* GetTonicList() const { return m_pTonic; }
    QComboBox* GetStringsList() const { return m_pStrings; }
    QLineEdit* GetScaleField() const { return m_pScale; }
    QLineEdit* GetKeymapField() const { return m_pKeymap; }
    QLineEdit* GetNotesField() const { return m_pNotes; }

public slots:
    void accept() override;

private:
    void UpdatePreview();
    void UpdateEnabled();
    void Browse(QLineEdit* pField, const QString& strFilter);

    CTuningValues m_values;
    QComboBox* m_pTemperament;
    QComboBox* m_pTonic;
    QLineEdit* m_pScale;
    QLineEdit* m_pKeymap;
    QComboBox* m_pStrings;
    QLineEdit* m_pNotes;
    QLabel* m_pPreview;
};
