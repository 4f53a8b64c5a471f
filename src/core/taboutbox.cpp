#include "core/taboutbox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

// A small drawing of a switch with its ports, the product picture.
static QPixmap productPicture()
{
    QPixmap pixmap(96, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x1f, 0x4e, 0x79));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(4, 18, 88, 30, 5, 5);
    p.setBrush(QColor(0x9b, 0xd7, 0x70));
    for (int i = 0; i < 8; ++i)
        p.drawRect(10 + i * 10, 28, 6, 8);
    return pixmap;
}

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Talvex Network Management"));
    setModal(true);
    auto *picture = new QLabel;
    picture->setPixmap(productPicture());
    picture->setAccessibleName(QStringLiteral("Product picture"));
    auto *texts = new QVBoxLayout;
    auto *product = new QLabel(QStringLiteral("Talvex Network Management"));
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    product->setFont(bold);
    texts->addWidget(product);
    texts->addWidget(new QLabel(QStringLiteral("Version 1.0")));
    texts->addWidget(new QLabel(QStringLiteral("Talvex Corporation")));
    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(texts);
    auto *ok = new QPushButton(QStringLiteral("Ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint());
}
