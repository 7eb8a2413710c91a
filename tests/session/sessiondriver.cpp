#include "sessiondriver.h"

#include "app/mainwindow.h"
#include "sound/soundcontroller.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLayout>
#include <QSlider>

namespace
{

using session::Pick;

// "Главное меню" (and Esc) close the window: rarer than the demonstration's own controls. The
// workshop's "Открыть…" and "Сохранить…" wait in a file dialog for a person, and Space opens a
// combo box's list for one: never.
bool spared(const QWidget *w, const Pick &pick)
{
    const QString name = w->objectName();
    return (name.startsWith(QLatin1String("pushButton")) && pick(8) != 0) ||
           name == QLatin1String("open") || name == QLatin1String("save") ||
           qobject_cast<const QComboBox *>(w);
}

// The arrows, Home and End on a combo box choose its entries; one that opens a file dialog
// ("Звуковой файл…") waits there for a person, so a list holding one never gets them.
bool opensDialog(const QWidget *focus, int key)
{
    const auto *box = qobject_cast<const QComboBox *>(focus);
    if (!box ||
        (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Home && key != Qt::Key_End))
        return false;
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i).endsWith(QChar(0x2026)))
            return true;
    return false;
}

QString click(QWidget *window, const Pick &pick)
{
    QList<QAbstractButton *> buttons;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
        if (b->isVisible())
            buttons.append(b);
    if (buttons.isEmpty())
        return QStringLiteral("no button");
    QAbstractButton *chosen = buttons[pick(int(buttons.size()))];
    if (spared(chosen, pick))
        return QStringLiteral("no click");
    // A person clicks a place on the screen: whatever lies on top there gets the click.
    auto *target = qobject_cast<QAbstractButton *>(
        window->childAt(chosen->mapTo(window, chosen->rect().center())));
    if (!target)
        return QStringLiteral("click hit no button");
    QTest::mouseClick(target, Qt::LeftButton);
    return QStringLiteral("click %1").arg(target->objectName());
}

QString moveSlider(QWidget *window, const Pick &pick)
{
    const QList<QSlider *> sliders = window->findChildren<QSlider *>();
    if (sliders.isEmpty())
        return click(window, pick);
    QSlider *s = sliders[pick(int(sliders.size()))];
    if (pick(2) == 0) {
        s->setValue(s->minimum() + pick(s->maximum() - s->minimum() + 1));
        return QStringLiteral("%1 = %2").arg(s->objectName()).arg(s->value());
    }
    static const Qt::Key keys[] = {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,
                                   Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Left, Qt::Key_Right};
    const Qt::Key key = keys[pick(8)];
    QTest::keyClick(s, key);
    return QStringLiteral("%1 key %2").arg(s->objectName()).arg(int(key), 0, 16);
}

QString pressKey(QWidget *window, const Pick &pick)
{
    // The remote's keys, the letters of both layouts with their text, and the other lecture keys.
    static const int keys[] = {Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_PageDown, Qt::Key_PageUp,
                               Qt::Key_Right, Qt::Key_Left,    Qt::Key_Home,     Qt::Key_End,
                               Qt::Key_Up,    Qt::Key_Down,    Qt::Key_F5,       Qt::Key_F11,
                               Qt::Key_F1,    Qt::Key_B,       Qt::Key_Period,   0x0418,
                               0x042E,        Qt::Key_Escape,  Qt::Key_Space};
    const int key = keys[pick(int(std::size(keys)))];
    const QString text = key < 0x0500 ? QString(QChar(key)).toLower() : QString();
    QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
    if (key == Qt::Key_Escape ? pick(8) != 0 : key == Qt::Key_Space && spared(focus, pick))
        return QStringLiteral("no Esc or Space");
    if (opensDialog(focus, key))
        return QStringLiteral("no key choosing a file dialog");
    const Qt::KeyboardModifiers modifiers =
        key == Qt::Key_F5 && pick(2) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
    QTest::sendKeyEvent(QTest::Click, focus, Qt::Key(key), text, modifiers);
    return QStringLiteral("key %1 on %2").arg(key, 0, 16).arg(focus->objectName());
}

QString resize(QWidget *window, const Pick &pick)
{
    static const QSize odd[] = {QSize(0, 0), QSize(1, 1), QSize(1, 2000), QSize(8000, 600),
                                QSize(2, 3)};
    const QSize size = pick(6) == 0 ? odd[pick(5)] : QSize(1 + pick(1400), 1 + pick(900));
    const QString to = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
    const QList<QWidget *> plots = session::plotsOf(window);
    if (plots.isEmpty() || pick(2) == 0) {
        window->resize(size);
        return QStringLiteral("resize to ") + to;
    }
    QWidget *plot = plots[pick(int(plots.size()))];
    plot->resize(size);
    session::paint(plot);
    // The layout puts the plot back where it belongs, as it would on the next window resize.
    window->layout()->invalidate();
    window->layout()->activate();
    return QStringLiteral("resize %1 to %2").arg(plot->objectName(), to);
}

// What the S key does; a window without a sound output says why in a notice.
QString toggleSound(QWidget *window)
{
    sound::Controller *c = sound::controllerOf(window);
    if (!c)
        return QStringLiteral("no sound");
    c->toggle();
    return QStringLiteral("sound %1").arg(c->isPlaying() ? "on" : "off");
}

QString actOn(QWidget *window, const Pick &pick)
{
    // Out of 15: four clicks, three slider moves, two resizes, one sound
    // toggle, four keys (Tab and Space among them), one wait.
    const int r = pick(15);
    if (r < 4)
        return click(window, pick);
    if (r < 6)
        return pressKey(window, pick);
    if (r < 9)
        return moveSlider(window, pick);
    if (r < 11)
        return resize(window, pick);
    if (r < 12)
        return toggleSound(window);
    if (r < 14)
        return pressKey(window, pick);
    const int ms = 1 + pick(17);
    QTest::qWait(ms);
    return QStringLiteral("wait %1 ms").arg(ms);
}

} // namespace

QString session::randomStep(MainWindow &menu, const Pick &pick, QWidget *&touched)
{
    QList<QWidget *> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != &menu && w->isVisible())
            windows.append(w);
    QString done;
    touched = nullptr;
    // A lecturer keeps a couple of windows open at most; beyond that one of them is closed.
    if (windows.size() > 2) {
        windows[pick(int(windows.size()))]->close();
        done = QStringLiteral("close a window");
    } else if ((windows.isEmpty() || pick(40) == 0) && pick(4) == 0) {
        const int digit = pick(6);
        const QWidgetList before = QApplication::topLevelWidgets();
        QTest::keyClick(menu.focusWidget() ? menu.focusWidget() : &menu,
                        Qt::Key(Qt::Key_1 + digit));
        done = QStringLiteral("key %1 on the menu").arg(digit + 1);
        for (QWidget *w : QApplication::topLevelWidgets())
            if (!before.contains(w)) {
                w->setMinimumSize(w->minimumSize()); // held, as openFromMenu does
                touched = w;
            }
    } else if (windows.isEmpty() || pick(40) == 0) {
        const char *button =
            testsupport::menuWindows[pick(int(std::size(testsupport::menuWindows)))][0];
        touched = testsupport::openFromMenu(menu, button);
        done = QStringLiteral("open %1").arg(QLatin1String(button));
    } else {
        touched = windows[pick(int(windows.size()))];
        done = touched->objectName() + QStringLiteral(": ") + actOn(touched, pick);
    }
    // A closed window is destroyed later; let that happen now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return done;
}
