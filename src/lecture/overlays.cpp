#include "lecture/overlays.h"

#include <QEvent>
#include <QPainter>
#include <QTimer>

namespace lecture
{

Cover::Cover(QWidget &window) : QWidget(&window)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    window.installEventFilter(this);
    hide();
}

void Cover::showText(const QString &newText)
{
    text = newText;
    setGeometry(parentWidget()->rect());
    raise();
    show();
    update();
}

bool Cover::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}

void Cover::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (text.isEmpty())
        return;
    // Large enough to read from the back of the hall, small enough for the whole list to fit.
    QFont f = font();
    f.setBold(true);
    f.setItalic(false);
    f.setPointSize(24);
    const QRect area = rect().adjusted(width() / 20, height() / 20, -width() / 20, -height() / 20);
    while (f.pointSize() > 8) {
        p.setFont(f);
        const QRect needed = p.boundingRect(area, Qt::AlignLeft | Qt::AlignTop, text);
        if (needed.width() <= area.width() && needed.height() <= area.height())
            break;
        f.setPointSize(f.pointSize() - 1);
    }
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(area, Qt::AlignLeft | Qt::AlignTop, text);
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
