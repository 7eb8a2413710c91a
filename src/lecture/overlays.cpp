#include "lecture/overlays.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextTable>
#include <QTimer>

#include <algorithm>

namespace lecture
{

namespace
{

// The help never gets smaller than this, however small the window.
constexpr int smallestHelpText = 6;
// The share of the width, in per cent, of the help's column of keys.
constexpr int keysColumn = 36;

} // namespace

Cover::Cover(QWidget &window) : QWidget(&window)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    help.setDocumentMargin(0);
    window.installEventFilter(this);
    hide();
}

void Cover::showBlank()
{
    text.clear();
    help.clear();
    cover();
}

void Cover::showHelp(const QString &title, const QList<HelpLine> &lines)
{
    QStringList plain{title};
    help.clear();
    QTextCursor c(&help);
    c.insertText(title);
    c.insertBlock(); // a blank line under the title; the table takes the block after it
    c.insertBlock();
    QTextTableFormat table;
    table.setBorder(0);
    table.setCellPadding(0);
    table.setCellSpacing(0);
    table.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    table.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, keysColumn),
                                     QTextLength(QTextLength::PercentageLength, 100 - keysColumn)});
    c.insertTable(static_cast<int>(lines.size()), 2, table);
    // The keys stand in a column of their own; a description too long for its line goes on
    // under itself, never under the keys.
    for (const HelpLine &line : lines) {
        c.insertText(line.keys + QChar::Nbsp);
        c.movePosition(QTextCursor::NextCell);
        c.insertText(QStringLiteral("— ") + line.description);
        c.movePosition(QTextCursor::NextCell);
        plain << line.keys + QStringLiteral(" — ") + line.description;
    }
    text = plain.join(QLatin1Char('\n'));
    cover();
}

void Cover::cover()
{
    setGeometry(parentWidget()->rect());
    layOut();
    raise();
    show();
    update();
}

int Cover::textPixelSize() const
{
    return help.defaultFont().pixelSize();
}

QRect Cover::textArea() const
{
    return rect().adjusted(width() / 20, height() / 20, -width() / 20, -height() / 20);
}

void Cover::layOut()
{
    if (help.isEmpty())
        return;
    const QRect area = textArea();
    help.setTextWidth(area.width());
    const auto fits = [&] {
        const QSizeF needed = help.size();
        return needed.height() <= area.height() && needed.width() <= area.width();
    };
    QFont f = font();
    f.setBold(true);
    f.setItalic(false);
    const auto fitsAt = [&](int pixels) {
        f.setPixelSize(pixels);
        help.setDefaultFont(f);
        return fits();
    };
    // A larger text never takes fewer lines, so the sizes that fit are those up to the largest.
    setLineHeight(100);
    int low = smallestHelpText, high = std::max(low, area.height());
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (fitsAt(middle))
            low = middle;
        else
            high = middle - 1;
    }
    fitsAt(low);
    // One size larger wraps more lines than there is room for; what room is left goes between
    // the lines, so the help still reaches the bottom.
    for (int percent = static_cast<int>(100 * area.height() / help.size().height()); percent > 100;
         --percent) {
        setLineHeight(percent);
        if (fits())
            return;
    }
    setLineHeight(100);
}

void Cover::setLineHeight(int percent)
{
    QTextBlockFormat spacing;
    spacing.setLineHeight(percent, QTextBlockFormat::ProportionalHeight);
    for (QTextBlock b = help.begin(); b.isValid(); b = b.next())
        QTextCursor(b).mergeBlockFormat(spacing);
}

bool Cover::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        layOut();
    }
    return false;
}

void Cover::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (help.isEmpty())
        return;
    const QRect area = textArea();
    p.translate(area.topLeft());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::white);
    help.documentLayout()->draw(&p, context);
}

FocusRing::FocusRing(QWidget &window) : QWidget(&window)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    window.installEventFilter(this);
}

void FocusRing::follow(QWidget *widget)
{
    if (followed)
        followed->removeEventFilter(this);
    followed = widget;
    if (followed)
        followed->installEventFilter(this);
    place();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    // The layout moves the followed widget after the window's own resize is handled.
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move ||
        event->type() == QEvent::Show || event->type() == QEvent::Hide)
        QTimer::singleShot(0, this, &FocusRing::place);
    Q_UNUSED(watched);
    return false;
}

void FocusRing::place()
{
    if (!followed || !followed->isVisible()) {
        hide();
        return;
    }
    const int out = thickness + 2;
    setGeometry(QRect(followed->mapTo(parentWidget(), QPoint(0, 0)), followed->size())
                    .adjusted(-out, -out, out, out));
    raise();
    // Above the window's widgets, never above the black screen or the help.
    if (auto *cover = parentWidget()->findChild<Cover *>(QString(), Qt::FindDirectChildrenOnly);
        cover && cover->isVisible())
        stackUnder(cover);
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(255, 120, 0), thickness);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const qreal half = thickness / 2.0;
    p.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), thickness, thickness);
}

} // namespace lecture
