#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

// Asks how an opened configuration document is to be analysed: as a Cisco
// IOS or CatOS configuration, or with the user's own keywords. "&Ok"
// accepts; the close box rejects and nothing further happens.
class TDocTypeForm final : public QDialog
{
    Q_OBJECT

public:
    enum Type { CiscoType = 0, OtherType = 1 };

    explicit TDocTypeForm(QWidget *parent = nullptr);

    int typeIndex() const;
    void setTypeIndex(int index);
    QPushButton *okButton() const { return m_ok; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QGroupBox *m_typeRG = nullptr;
    QButtonGroup *m_group = nullptr;
    QRadioButton *m_cisco = nullptr;
    QRadioButton *m_other = nullptr;
    QPushButton *m_ok = nullptr;
};
