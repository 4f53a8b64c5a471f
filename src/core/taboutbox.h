#pragma once

#include <QDialog>

// The About box: product picture, name, version and company.
class TAboutBox final : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);
};
