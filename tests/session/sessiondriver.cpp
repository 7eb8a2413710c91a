#include "sessiondriver.h"

#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <array>

namespace
{

constexpr int maxOpenWindows = 2;

const std::array<const char *, 7> menuButtons = {"startHarmonicRectangle",
                                                 "startPeriodicSpectres",
                                                 "startHarmonicTriangle",
                                                 "startSignalDependence",
                                                 "startHarmonicTrapeze",
                                                 "startAmplitudeModSignal",
                                                 "Author"};

bool isReference(const QWidget *plot)
{
    return QString::fromLatin1(plot->metaObject()->className()).contains(QLatin1String("Reper"));
}

} // namespace

void SessionDriver::holdMinimumSize(QWidget *window)
{
    // The offscreen platform cannot pass a changed minimum size on to its windows and warns
    // each time one changes (a readout growing a digit); held explicitly, it stays put.
    window->setMinimumSize(window->minimumSize());
}

SessionDriver::SessionDriver(MainWindow &menu, quint64 seed) : menu(menu), random(seed) {}

void SessionDriver::setInvariant(const QString &windowName, Invariant check)
{
    invariants[windowName] = std::move(check);
}

int SessionDriver::pick(int count)
{
    return std::uniform_int_distribution<int>(0, count - 1)(random);
}

QSize SessionDriver::randomSize()
{
    static const std::array<QSize, 5> odd = {QSize(0, 0), QSize(1, 1), QSize(1, 2000),
                                             QSize(8000, 600), QSize(2, 3)};
    if (pick(6) == 0)
        return odd[pick(int(odd.size()))];
    return QSize(1 + pick(1400), 1 + pick(900));
}

QList<QWidget *> SessionDriver::openWindows() const
{
    QList<QWidget *> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != &menu && w->isVisible())
            windows.append(w);
    return windows;
}

QList<QWidget *> SessionDriver::plotsOf(QWidget *window)
{
    QList<QWidget *> plots;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const QString cls = QString::fromLatin1(w->metaObject()->className());
        if (cls.startsWith(QLatin1String("field"), Qt::CaseInsensitive))
            plots.append(w);
    }
    return plots;
}

QImage SessionDriver::paint(QWidget *plot)
{
    if (plot->width() <= 0 || plot->height() <= 0)
        return QImage();
    QImage img(plot->size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    plot->render(&img);
    return img;
}

QString SessionDriver::step()
{
    const QList<QWidget *> windows = openWindows();
    touched = nullptr;
    // A lecturer keeps a few windows open at most; beyond that, opening one closes another.
    if (windows.size() > maxOpenWindows) {
        QWidget *closing = windows[pick(int(windows.size()))];
        closing->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return QStringLiteral("close a window");
    }
    if (windows.isEmpty() || pick(40) == 0)
        return openFromMenu();
    QWidget *window = windows[pick(int(windows.size()))];
    touched = window;
    QString done;
    switch (pick(12)) {
    case 0:
    case 1:
    case 2:
    case 3:
        done = clickVisibleButton(window);
        break;
    case 4:
    case 5:
        done = moveFocusAndActivate(window);
        break;
    case 6:
    case 7:
    case 8:
        done = moveSlider(window);
        break;
    case 9:
        done = resizeWindow(window);
        break;
    case 10:
        done = resizePlot(window);
        break;
    default:
        done = letTimePass();
        break;
    }
    // Closed windows are destroyed later; let that happen now so the next step sees the truth.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return done;
}

QString SessionDriver::openFromMenu()
{
    const char *name = menuButtons[pick(int(menuButtons.size()))];
    auto *button = menu.findChild<QPushButton *>(QString::fromLatin1(name));
    if (!button)
        return QStringLiteral("menu has no %1").arg(QLatin1String(name));
    const QList<QWidget *> before = openWindows();
    button->click();
    for (QWidget *w : openWindows()) {
        if (!before.contains(w)) {
            holdMinimumSize(w);
            touched = w;
        }
    }
    return QStringLiteral("open %1").arg(QLatin1String(name));
}

QString SessionDriver::clickVisibleButton(QWidget *window)
{
    QList<QAbstractButton *> buttons;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
        if (b->isVisible())
            buttons.append(b);
    // "Главное меню" closes the window: keep it rarer than the demonstration's own buttons.
    if (buttons.isEmpty())
        return QStringLiteral("no button");
    QAbstractButton *chosen = buttons[pick(int(buttons.size()))];
    if (chosen->text() == QStringLiteral("Главное меню") && pick(8) != 0)
        return QStringLiteral("kept %1 open").arg(window->objectName());
    // A person clicks a place on the screen: whatever lies on top there gets the click.
    const QPoint centre = chosen->mapTo(window, chosen->rect().center());
    QWidget *onTop = window->childAt(centre);
    auto *target = qobject_cast<QAbstractButton *>(onTop);
    if (!target)
        return QStringLiteral("click on %1 hit no button").arg(chosen->objectName());
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
    return QStringLiteral("click %1 in %2").arg(target->objectName(), window->objectName());
}

QString SessionDriver::moveFocusAndActivate(QWidget *window)
{
    const int tabs = pick(6);
    for (int i = 0; i < tabs; ++i) {
        QWidget *f = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(f, pick(3) == 0 ? Qt::Key_Backtab : Qt::Key_Tab);
    }
    QWidget *f = window->focusWidget();
    if (!f)
        return QStringLiteral("tab x%1, nothing focused").arg(tabs);
    if (qobject_cast<QAbstractButton *>(f) && f->objectName() == QLatin1String("pushButton") &&
        pick(8) != 0)
        return QStringLiteral("tab x%1 to %2").arg(tabs).arg(f->objectName());
    QTest::keyClick(f, Qt::Key_Space);
    return QStringLiteral("tab x%1, space on %2").arg(tabs).arg(f->objectName());
}

QString SessionDriver::moveSlider(QWidget *window)
{
    const QList<QSlider *> sliders = window->findChildren<QSlider *>();
    if (sliders.isEmpty())
        return clickVisibleButton(window);
    QSlider *s = sliders[pick(int(sliders.size()))];
    if (pick(2) == 0) {
        const int v = s->minimum() + pick(s->maximum() - s->minimum() + 1);
        s->setValue(v);
        return QStringLiteral("%1 = %2").arg(s->objectName()).arg(v);
    }
    static const std::array<Qt::Key, 8> keys = {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,
                                                Qt::Key_End,    Qt::Key_Up,       Qt::Key_Down,
                                                Qt::Key_Left,   Qt::Key_Right};
    const Qt::Key key = keys[pick(int(keys.size()))];
    QTest::keyClick(s, key);
    return QStringLiteral("%1 key %2").arg(s->objectName()).arg(int(key), 0, 16);
}

QString SessionDriver::resizeWindow(QWidget *window)
{
    const QSize size = randomSize();
    window->resize(size);
    return QStringLiteral("resize %1 to %2x%3")
        .arg(window->objectName())
        .arg(size.width())
        .arg(size.height());
}

QString SessionDriver::resizePlot(QWidget *window)
{
    const QList<QWidget *> plots = plotsOf(window);
    if (plots.isEmpty())
        return resizeWindow(window);
    QWidget *plot = plots[pick(int(plots.size()))];
    const QSize size = randomSize();
    plot->resize(size);
    paint(plot);
    // The window's layout puts the plot back where it belongs, as it would on the next resize.
    window->layout()->invalidate();
    window->layout()->activate();
    return QStringLiteral("resize %1 to %2x%3")
        .arg(plot->objectName())
        .arg(size.width())
        .arg(size.height());
}

QString SessionDriver::letTimePass()
{
    const int ms = 1 + pick(17);
    QTest::qWait(ms);
    return QStringLiteral("wait %1 ms").arg(ms);
}

QString SessionDriver::paintAndCheckReferences(QWidget *window)
{
    for (QWidget *plot : plotsOf(window)) {
        const QImage now = paint(plot);
        if (!isReference(plot))
            continue;
        auto it = referencePictures.find(plot);
        if (it == referencePictures.end() || it->second.size() != now.size()) {
            referencePictures[plot] = now;
            continue;
        }
        if (it->second != now)
            return QStringLiteral("reference plot %1 changed its picture").arg(plot->objectName());
    }
    return QString();
}

QString SessionDriver::checkAll()
{
    const QList<QWidget *> windows = openWindows();
    for (QWidget *window : windows) {
        QString broken = window == touched ? paintAndCheckReferences(window) : QString();
        if (broken.isEmpty()) {
            auto it = invariants.find(window->objectName());
            if (it != invariants.end())
                broken = it->second(window);
        }
        if (!broken.isEmpty())
            return window->objectName() + QStringLiteral(": ") + broken;
    }
    // Destroyed windows leave their pictures behind; forget them so addresses can be reused.
    for (auto it = referencePictures.begin(); it != referencePictures.end();) {
        bool alive = false;
        for (QWidget *window : openWindows())
            alive = alive || plotsOf(window).contains(it->first);
        it = alive ? std::next(it) : referencePictures.erase(it);
    }
    return QString();
}
