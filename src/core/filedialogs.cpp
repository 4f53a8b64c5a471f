#include "core/filedialogs.h"

#include <QFileDialog>

namespace FileDialogs {

namespace {
Handler s_handler;
} // namespace

QString openFileName(QWidget *parent, const QString &title, const QString &filter)
{
    if (s_handler)
        return s_handler(Kind::Open, title, filter);
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QString saveFileName(QWidget *parent, const QString &title, const QString &filter)
{
    if (s_handler)
        return s_handler(Kind::Save, title, filter);
    // The dialog's own overwrite question is kept; no default suffix is set.
    return QFileDialog::getSaveFileName(parent, title, QString(), filter);
}

void setHandlerForTesting(Handler handler)
{
    s_handler = std::move(handler);
}

} // namespace FileDialogs
