#include "telnet/ttelnetform.h"

#include "core/messages.h"
#include "core/session.h"
#include "telnet/telnetterminal.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

TTelnetForm::TTelnetForm(QWidget *parent)
    : QWidget(parent)
    , m_telnetTxt(new QPlainTextEdit(this))
    , m_terminal(new TelnetTerminal(this))
{
    setWindowTitle(QStringLiteral("Telnet"));
    setObjectName(QStringLiteral("TelnetForm"));

    m_telnetTxt->setObjectName(QStringLiteral("MyTelnetTxt"));
    m_telnetTxt->setAccessibleName(QStringLiteral("Telnet session"));
    m_telnetTxt->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_telnetTxt->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The box only ever grows at its end: typed keys and device output are
    // put there by this window, never edited in place by the box itself.
    m_telnetTxt->setUndoRedoEnabled(false);
    m_telnetTxt->setAcceptDrops(false);
    m_telnetTxt->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_telnetTxt->setContextMenuPolicy(Qt::CustomContextMenu);
    m_telnetTxt->installEventFilter(this);
    m_telnetTxt->viewport()->installEventFilter(this);
    connect(m_telnetTxt, &QWidget::customContextMenuRequested, this, &TTelnetForm::showContextMenu);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_telnetTxt);

    connect(m_terminal, &TelnetTerminal::received, this, &TTelnetForm::appendText);
    connect(m_terminal, &TelnetTerminal::echoed, this, &TTelnetForm::echoText);
    connect(m_terminal, &TelnetTerminal::erased, this, &TTelnetForm::eraseLast);
    connect(m_terminal, &TelnetTerminal::failed, this, [this](const QString &message) {
        // Shown once the socket's signal has returned: the box runs an
        // event loop of its own.
        QMetaObject::invokeMethod(
            this,
            [this, message] {
                Messages::show(message, Messages::Icon::Critical, QStringLiteral("Talvex Network Management"),
                               this);
            },
            Qt::QueuedConnection);
    });
}

TTelnetForm::~TTelnetForm() = default;

QSize TTelnetForm::sizeHint() const
{
    return {526, 375};
}

void TTelnetForm::makeActive()
{
    if (!m_closed)
        session().activeTelForm = this;
}

void TTelnetForm::adoptSubWindow()
{
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!sub || sub == m_subWindow)
        return;
    m_subWindow = sub;
    // Closing the window frees its frame as well, not just hides it.
    sub->setAttribute(Qt::WA_DeleteOnClose);
    connect(this, &QObject::destroyed, sub, &QObject::deleteLater);
}

bool TTelnetForm::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange)
        adoptSubWindow();
    return QWidget::event(event);
}

void TTelnetForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    makeActive();
    if (m_started)
        return;
    m_started = true;
    m_address = session().telnetIp;
    setWindowTitle(QStringLiteral("Telnet to ") + m_address);
    m_telnetTxt->setFocus();
    m_terminal->open(m_address);
}

void TTelnetForm::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (!m_closed) {
        m_closed = true;
        m_terminal->close();
        session().activeTelForm = nullptr;
    }
    // Does nothing when the subwindow's own close brought us here.
    if (m_subWindow)
        m_subWindow->close();
}

void TTelnetForm::mousePressEvent(QMouseEvent *event)
{
    makeActive();
    QWidget::mousePressEvent(event);
}

bool TTelnetForm::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        makeActive();
        break;
    case QEvent::KeyPress:
        if (watched == m_telnetTxt)
            return keyPressed(static_cast<QKeyEvent *>(event));
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool TTelnetForm::keyPressed(QKeyEvent *event)
{
    // Copying from the session and selecting it stay with the box.
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll))
        return false;
    if (event->matches(QKeySequence::Paste)) {
        typeText(QApplication::clipboard()->text());
        return true;
    }
    // After a typed key the caret is back at the end of the session.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        moveCaretToEnd();
        m_terminal->typeKey(QChar(TelnetTerminal::Enter));
        return true;
    case Qt::Key_Backspace:
        moveCaretToEnd();
        m_terminal->typeKey(QChar(TelnetTerminal::Backspace));
        return true;
    case Qt::Key_Delete:
        // No character to type, and the shown text is not edited.
        return true;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty() || (event->modifiers() & Qt::AltModifier))
        return false; // caret movement, scrolling and menu keys stay with the box
    moveCaretToEnd();
    for (QChar c : text)
        m_terminal->typeKey(c);
    return true;
}

void TTelnetForm::typeText(const QString &text)
{
    // Pasted text is typed key by key; each line end is an Enter.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            continue;
        m_terminal->typeKey(c == u'\n' || c == u'\r' ? QChar(TelnetTerminal::Enter) : c);
    }
}

void TTelnetForm::appendText(const QString &text)
{
    QTextCursor cursor = m_telnetTxt->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    m_telnetTxt->setTextCursor(cursor);
    m_telnetTxt->ensureCursorVisible();
}

void TTelnetForm::moveCaretToEnd()
{
    QTextCursor cursor = m_telnetTxt->textCursor();
    cursor.movePosition(QTextCursor::End);
    m_telnetTxt->setTextCursor(cursor);
}

void TTelnetForm::echoText(const QString &text)
{
    if (text == QStringLiteral("\n")) {
        m_maskLine = false;
        appendText(text);
        return;
    }
    // The first character of a line decides from the prompt before it
    // whether the line is a password.
    if (m_terminal->lineBuf().size() <= 1)
        m_maskLine = atPasswordPrompt();
    appendText(m_maskLine ? QString(text.size(), u'*') : text);
}

bool TTelnetForm::atPasswordPrompt() const
{
    static const QRegularExpression prompt(QStringLiteral("(password|passcode|secret)\\s*:\\s*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QTextBlock last = m_telnetTxt->document()->lastBlock();
    return prompt.match(last.text()).hasMatch();
}

void TTelnetForm::eraseLast()
{
    QTextCursor cursor = m_telnetTxt->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.deletePreviousChar();
    m_telnetTxt->setTextCursor(cursor);
    m_telnetTxt->ensureCursorVisible();
}

void TTelnetForm::showContextMenu(const QPoint &pos)
{
    QMenu menu(this);
    QAction *copy = menu.addAction(QStringLiteral("&Copy"), m_telnetTxt, &QPlainTextEdit::copy);
    copy->setEnabled(m_telnetTxt->textCursor().hasSelection());
    QAction *paste = menu.addAction(QStringLiteral("&Paste"), this,
                                    [this] { typeText(QApplication::clipboard()->text()); });
    paste->setEnabled(!QApplication::clipboard()->text().isEmpty());
    menu.addSeparator();
    menu.addAction(QStringLiteral("Select &All"), m_telnetTxt, &QPlainTextEdit::selectAll);
    menu.exec(m_telnetTxt->viewport()->mapToGlobal(pos));
}
