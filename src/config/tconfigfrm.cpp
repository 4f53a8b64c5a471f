#include "config/tconfigfrm.h"

#include "config/configanalysis.h"
#include "config/configdocumentfile.h"
#include "core/messages.h"
#include "core/session.h"
#include "core/tmainform.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeWidget>

namespace {
// Runs a main-window command even while its menu item is disabled (menu
// enabling is evaluated only when a menu drops down).
void runMainCommand(const QString &caption)
{
    auto *main = qobject_cast<TMainForm *>(session().mainForm.data());
    if (!main)
        return;
    QAction *command = main->action(caption);
    if (!command)
        return;
    const bool enabled = command->isEnabled();
    command->setEnabled(true);
    command->trigger();
    command->setEnabled(enabled);
}
} // namespace

TConfigFrm::TConfigFrm(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Config Analysis"));
    resize(608, 471);

    m_tree = new QTreeWidget;
    m_tree->setObjectName(QStringLiteral("MyTree"));
    m_tree->setAccessibleName(QStringLiteral("Configuration sections"));
    m_tree->setHeaderHidden(true);
    m_tree->setIndentation(19);
    m_tree->setColumnCount(1);
    m_tree->setUniformRowHeights(true);
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tree->header()->setStretchLastSection(false);

    m_panel = new QWidget;
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_conf = new QTextEdit(m_panel);
    m_conf->setObjectName(QStringLiteral("MyConf"));
    m_conf->setAccessibleName(QStringLiteral("Configuration text"));
    m_conf->setLineWrapMode(QTextEdit::NoWrap);
    m_conf->setAcceptRichText(false);
    m_conf->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_conf->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    m_conf->setFont(font);
    m_conf->document()->setDefaultFont(font);
    auto *panelLayout = new QHBoxLayout(m_panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(m_conf);

    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setObjectName(QStringLiteral("Splitter1"));
    m_splitter->addWidget(m_tree);
    m_splitter->addWidget(m_panel);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({121, 608 - 121});
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);

    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { myTreeChange(current); });
    buildPopup();
    for (QObject *o : {static_cast<QObject *>(m_tree->viewport()), static_cast<QObject *>(m_conf->viewport()),
                       static_cast<QObject *>(m_splitter)})
        o->installEventFilter(this);
}

void TConfigFrm::buildPopup()
{
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("CfPopupMenu"));
    auto add = [this](const QString &caption, const QString &command, const QKeySequence &keys = {}) {
        QAction *a = m_popup->addAction(caption);
        a->setObjectName(caption);
        if (!keys.isEmpty()) {
            // Shown for the user; the main window's own command owns the key.
            a->setShortcut(keys);
            a->setShortcutContext(Qt::WidgetShortcut);
        }
        connect(a, &QAction::triggered, this, [command] { runMainCommand(command); });
    };
    add(QStringLiteral("Cut"), QStringLiteral("Cu&t"), QKeySequence(QStringLiteral("Ctrl+X")));
    add(QStringLiteral("Copy"), QStringLiteral("&Copy"), QKeySequence(QStringLiteral("Ctrl+C")));
    add(QStringLiteral("Paste"), QStringLiteral("&Paste"), QKeySequence(QStringLiteral("Ctrl+V")));
    add(QStringLiteral("Delete"), QStringLiteral("&Delete"), QKeySequence(QStringLiteral("Ctrl+D")));
    add(QStringLiteral("Find..."), QStringLiteral("&Find..."), QKeySequence(QStringLiteral("Ctrl+F")));
    add(QStringLiteral("Replace"), QStringLiteral("R&eplace"), QKeySequence(QStringLiteral("Ctrl+R")));
    add(QStringLiteral("Set Fonts..."), QStringLiteral("Set F&onts..."), QKeySequence(QStringLiteral("Ctrl+Alt+S")));
    add(QStringLiteral("Select All"), QStringLiteral("&Select All"));
    add(QStringLiteral("Save As..."), QStringLiteral("Sa&ve Current Configuration Document As..."));
    m_conf->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_conf, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        makeActive();
        m_popup->popup(m_conf->viewport()->mapToGlobal(pos));
    });
}

bool TConfigFrm::loadFile(const QString &path)
{
    const ConfigDocumentFile::Loaded loaded = ConfigDocumentFile::load(path);
    if (!loaded.error.isEmpty()) {
        Messages::show(loaded.error, Messages::Icon::Critical, QString(), this);
        return false;
    }
    loadDocument(loaded.document);
    return true;
}

void TConfigFrm::loadText(const QString &text)
{
    RtfDocument document;
    document.text = text;
    loadDocument(document);
}

void TConfigFrm::loadDocument(const RtfDocument &document)
{
    QTextDocument *doc = m_conf->document();
    if (!document.fontFamily.isEmpty()) {
        QFont font(document.fontFamily);
        font.setPointSizeF(document.fontPointSize > 0 ? document.fontPointSize : 8.0);
        m_conf->setFont(font);
        doc->setDefaultFont(font);
    }
    m_conf->setPlainText(document.text);
    applyColorRuns(document.colorRuns);
    // A freshly loaded document has nothing to undo.
    doc->clearUndoRedoStacks();
}

QString TConfigFrm::plainText() const
{
    QString text = m_conf->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

RtfDocument TConfigFrm::document() const
{
    RtfDocument out;
    out.text = plainText();
    const QFont font = m_conf->document()->defaultFont();
    out.fontFamily = font.family();
    out.fontPointSize = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
    // Every fragment with an explicit colour becomes one run; neighbouring
    // runs of the same colour are joined.
    for (QTextBlock block = m_conf->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.hasProperty(QTextFormat::ForegroundBrush))
                continue;
            const QColor c = format.foreground().color();
            const RtfColor color{quint8(c.red()), quint8(c.green()), quint8(c.blue())};
            const int start = fragment.position();
            if (!out.colorRuns.isEmpty()) {
                RtfColorRun &last = out.colorRuns.last();
                if (last.color == color && last.start + last.length == start) {
                    last.length += fragment.length();
                    continue;
                }
            }
            out.colorRuns.append(RtfColorRun{start, fragment.length(), color});
        }
    }
    return out;
}

void TConfigFrm::applyColorRuns(const QList<RtfColorRun> &runs)
{
    if (runs.isEmpty())
        return;
    QTextDocument *doc = m_conf->document();
    // Colouring is part of the analysis, not an edit the user can undo.
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    const int end = doc->characterCount() - 1;
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    for (const RtfColorRun &run : runs) {
        const int from = std::clamp(run.start, 0, end);
        const int to = std::clamp(run.start + run.length, from, end);
        if (from == to)
            continue;
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setForeground(QColor(run.color.red, run.color.green, run.color.blue));
        cursor.mergeCharFormat(format);
    }
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(undo);
}

void TConfigFrm::highlightSections()
{
    applyColorRuns(ConfigAnalysis::highlightSections(plainText(), session()));
}

void TConfigFrm::buildSectionTree()
{
    const std::optional<ConfigAnalysis::TreeNode> root = ConfigAnalysis::buildSectionTree(plainText(), session());
    if (!root)
        return;
    const QSignalBlocker blocker(m_tree);
    m_tree->clear();
    auto *rootItem = new QTreeWidgetItem(QStringList{root->caption});
    for (const ConfigAnalysis::TreeNode &node : root->children) {
        auto *item = new QTreeWidgetItem(rootItem, QStringList{node.caption});
        QList<QTreeWidgetItem *> children;
        children.reserve(node.children.size());
        for (const ConfigAnalysis::TreeNode &child : node.children)
            children.append(new QTreeWidgetItem(QStringList{child.caption}));
        item->addChildren(children);
    }
    m_tree->addTopLevelItem(rootItem);
    rootItem->setExpanded(true);
}

int TConfigFrm::treeNodeCount() const
{
    int count = 0;
    std::function<void(QTreeWidgetItem *)> walk = [&](QTreeWidgetItem *item) {
        ++count;
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i));
    };
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        walk(m_tree->topLevelItem(i));
    return count;
}

void TConfigFrm::moveCaretToStart()
{
    m_conf->moveCursor(QTextCursor::Start);
}

void TConfigFrm::myTreeChange(QTreeWidgetItem *current)
{
    if (!current)
        return;
    const QString needle = ConfigAnalysis::nodeSearchText(current->text(0), session().devOsType);
    const QTextCursor found = m_conf->document()->find(needle, 0, QTextDocument::FindWholeWords);
    if (found.isNull())
        return;
    // The selection shows while the keyboard focus stays in the tree.
    m_conf->setTextCursor(found);
    const int caretLine = found.blockNumber();
    if (caretLine > session().prevCaretLine + 5) {
        QScrollBar *bar = m_conf->verticalScrollBar();
        bar->setValue(bar->value() + 5 * m_conf->fontMetrics().lineSpacing());
    }
    session().prevCaretLine = caretLine;
}

void TConfigFrm::makeActive()
{
    session().activeConfigFrm = this;
    Q_EMIT activated();
}

void TConfigFrm::showEvent(QShowEvent *event)
{
    // The caption names the document it was opened with, not a later one.
    if (!m_captionSet) {
        setWindowTitle(QStringLiteral("Config Analysis - ") + session().devSysName);
        m_captionSet = true;
    }
    makeActive();
    QWidget::showEvent(event);
}

void TConfigFrm::closeEvent(QCloseEvent *event)
{
    session().iosSectionLines.clear();
    session().activeConfigFrm = nullptr;
    Q_EMIT activated();
    QWidget::closeEvent(event);
}

void TConfigFrm::mousePressEvent(QMouseEvent *event)
{
    makeActive();
    QWidget::mousePressEvent(event);
}

bool TConfigFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        makeActive();
        if (watched == m_conf->viewport())
            m_conf->setFocus(Qt::MouseFocusReason);
    }
    return QWidget::eventFilter(watched, event);
}
