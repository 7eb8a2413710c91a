#include "lecture/windowkeys.h"

#include "harmonics/spectrumsteps.h"
#include "harmonics/synthesisplot.h"
#include "lecture/overlays.h"
#include "windowing/placement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QSlider>

#include <limits>

namespace lecture
{
namespace
{

constexpr int autoStepPoll = 50;

bool isModifier(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

const KeyRow *rowFor(QKeyCombination key, Window kind)
{
    for (const KeyRow &row : keyTable())
        if ((row.windows & kind) && row.keys.contains(key))
            return &row;
    return nullptr;
}

// A line being typed in keeps the keys that write and edit it (letters, digits, arrows, Home,
// End, Ctrl+C and the like); Esc, the function keys, the remote's page keys and the window's
// other Ctrl keys still act.
bool editsText(const QWidget *focus, QKeyCombination key)
{
    if (!qobject_cast<const QLineEdit *>(focus))
        return false;
    const Qt::Key k = key.key();
    if (k == Qt::Key_Escape || k == Qt::Key_PageUp || k == Qt::Key_PageDown ||
        (k >= Qt::Key_F1 && k <= Qt::Key_F35))
        return false;
    if (!(key.keyboardModifiers() & Qt::ControlModifier))
        return true;
    return QKeySequence(key).matches(QKeySequence::Copy) == QKeySequence::ExactMatch;
}

QAbstractButton *buttonWithText(QWidget &window, const QString &text)
{
    for (QAbstractButton *b : window.findChildren<QAbstractButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

} // namespace

WindowKeys::WindowKeys(QWidget &window, Window kind)
    : QObject(&window), target(window), windowKind(kind)
{
    setObjectName(QStringLiteral("lectureKeys"));
    autoStepTimer.setInterval(autoStepPoll);
    connect(&autoStepTimer, &QTimer::timeout, this, &WindowKeys::autoStep);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { focusChanged(now); });
    qApp->installEventFilter(this);
}

WindowKeys *WindowKeys::attach(QWidget &window)
{
    auto *func = window.findChild<synthesisPlot *>(QStringLiteral("Func"));
    const QList<QSlider *> sliders = window.findChildren<QSlider *>();
    const Window kind = func ? Synthesis : !sliders.isEmpty() ? Parameters : Credits;
    auto *keys = new WindowKeys(window, kind);
    keys->menuButton = buttonWithText(window, QStringLiteral("Главное меню"));
    if (kind == Synthesis) {
        keys->func = func;
        keys->spec = window.findChild<spectrumSteps *>(QStringLiteral("Spec"));
        keys->addButton = window.findChild<QAbstractButton *>(QStringLiteral("addHarmonic"));
        keys->sumButton = window.findChild<QAbstractButton *>(QStringLiteral("sum"));
        keys->reperButton = window.findChild<QAbstractButton *>(QStringLiteral("reper"));
    } else if (kind == Parameters) {
        // The first slider of the focus chain, the one Tab reaches first.
        QWidget *w = &window;
        do {
            w = w->nextInFocusChain();
        } while (w != &window && !qobject_cast<QSlider *>(w));
        keys->slider = w != &window ? static_cast<QSlider *>(w) : sliders.first();
        keys->slider->setFocus();
    }
    return keys;
}

QWidget &openWindow(std::unique_ptr<QWidget> window, const QWidget &over)
{
    QWidget &opened = *window.release(); // Qt's from here: it deletes the window once closed
    opened.setAttribute(Qt::WA_DeleteOnClose);
    WindowKeys::attach(opened);
    veltarn::showFullScreen(opened, over.screen());
    return opened;
}

WindowKeys *WindowKeys::attachToMenu(QWidget &menu, QList<QAbstractButton *> demonstrations,
                                     QList<QAbstractButton *> others)
{
    auto *keys = new WindowKeys(menu, Menu);
    keys->demonstrations = demonstrations;
    keys->menuButtons = demonstrations + others;
    return keys;
}

WindowKeys *WindowKeys::of(const QWidget &window)
{
    return window.findChild<WindowKeys *>(QStringLiteral("lectureKeys"),
                                          Qt::FindDirectChildrenOnly);
}

bool WindowKeys::isCovered() const
{
    return cover && cover->isVisible();
}

bool WindowKeys::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != &target)
        return false;
    if (type == QEvent::MouseButtonPress) {
        // A click on the black screen only brings the window back.
        if (!isCovered())
            return false;
        cover->hide();
        return true;
    }
    return keyPressed(*static_cast<QKeyEvent *>(event));
}

bool WindowKeys::keyPressed(const QKeyEvent &event)
{
    if (isModifier(event.key()))
        return false;
    showFocusRing();
    // Whatever the next key is, it first ends a black screen, the help or the automatic steps,
    // and does nothing else: a lecturer pressing "start" twice stays in the window.
    if (isCovered()) {
        cover->hide();
        return true;
    }
    if (autoStepTimer.isActive()) {
        autoStepTimer.stop();
        return true;
    }
    const auto key = QKeyCombination(event.modifiers() & ~Qt::KeypadModifier, Qt::Key(event.key()));
    if (editsText(target.focusWidget(), key))
        return false;
    const KeyRow *row = rowFor(key, windowKind);
    if (!row || !row->action)
        return false;
    row->action(*this, key.key());
    return true;
}

void WindowKeys::nextStep()
{
    if (func->harmonicsSummed() >= func->harmonicLimit())
        return;
    // The visible one of the two stacked buttons, clicked as the mouse would.
    (addButton->isHidden() ? sumButton : addButton)->click();
}

void WindowKeys::previousStep()
{
    // The reverse of a click, receiver by receiver in the reverse order.
    switch (func->lastStep()) {
    case synthesisPlot::Step::None:
        return;
    case synthesisPlot::Step::Shown:
        func->stepBack();
        spec->withdrawSpec();
        addButton->show();
        return;
    case synthesisPlot::Step::Summed:
        func->stepBack();
        addButton->hide();
        return;
    }
}

void WindowKeys::startOver()
{
    reperButton->click();
}

void WindowKeys::toggleAutoStep()
{
    if (autoStepTimer.isActive()) {
        autoStepTimer.stop();
        return;
    }
    settled.start();
    autoStepTimer.start();
}

void WindowKeys::autoStep()
{
    if (!target.isVisible() || func->harmonicsSummed() >= func->harmonicLimit()) {
        autoStepTimer.stop();
        return;
    }
    if (func->isAnimating()) {
        settled.start();
        return;
    }
    if (settled.elapsed() < autoStepPause)
        return;
    nextStep();
    settled.start();
}

void WindowKeys::moveSlider(QAbstractSlider::SliderAction action)
{
    if (!slider)
        return;
    slider->setFocus();
    slider->triggerAction(action);
}

void WindowKeys::openDemonstration(int index)
{
    if (index >= 0 && index < demonstrations.size())
        demonstrations[index]->click();
}

void WindowKeys::moveMenuFocus(Qt::Key direction)
{
    auto *current = qobject_cast<QAbstractButton *>(target.focusWidget());
    if (!menuButtons.contains(current)) {
        menuButtons.first()->setFocus(Qt::TabFocusReason);
        return;
    }
    const QPoint from = current->mapTo(&target, current->rect().center());
    QPoint ahead;
    switch (direction) {
    case Qt::Key_Left:
        ahead = {-1, 0};
        break;
    case Qt::Key_Right:
        ahead = {1, 0};
        break;
    case Qt::Key_Up:
        ahead = {0, -1};
        break;
    default:
        ahead = {0, 1};
        break;
    }
    // The nearest button lying that way, sideways distance counting double.
    QAbstractButton *best = nullptr;
    int bestScore = std::numeric_limits<int>::max();
    for (QAbstractButton *b : menuButtons) {
        const QPoint d = b->mapTo(&target, b->rect().center()) - from;
        const int along = d.x() * ahead.x() + d.y() * ahead.y();
        const int across = std::abs(d.x() * ahead.y()) + std::abs(d.y() * ahead.x());
        if (b == current || along <= 0)
            continue;
        if (along + 2 * across < bestScore) {
            bestScore = along + 2 * across;
            best = b;
        }
    }
    if (best)
        best->setFocus(Qt::TabFocusReason);
}

void WindowKeys::openFocused()
{
    auto *current = qobject_cast<QAbstractButton *>(target.focusWidget());
    if (menuButtons.contains(current))
        current->click();
}

void WindowKeys::backToMenu()
{
    autoStepTimer.stop();
    if (menuButton)
        menuButton->click();
}

void WindowKeys::toggleFullScreen()
{
    veltarn::toggleFullScreen(target);
}

void WindowKeys::blackOut()
{
    if (!cover)
        cover = new Cover(target);
    cover->showText(QString());
}

void WindowKeys::showHelp()
{
    if (!cover)
        cover = new Cover(target);
    cover->showText(helpText());
}

QString WindowKeys::helpText() const
{
    QStringList lines{QStringLiteral("Клавиши этого окна"), QString()};
    for (const KeyRow &row : keyTable()) {
        if (!(row.windows & windowKind))
            continue;
        QStringList names;
        for (const QKeyCombination &k : row.keys)
            names << keyName(k);
        lines << names.join(QStringLiteral(", ")) + QStringLiteral(" — ") + row.description;
    }
    return lines.join(QLatin1Char('\n'));
}

void WindowKeys::focusChanged(QWidget *now)
{
    if (!now || now->window() != &target)
        return;
    if (auto *s = qobject_cast<QSlider *>(now))
        slider = s;
    if (ring)
        ring->follow(now);
}

void WindowKeys::capturePicture(void (*figure)(QWidget &window))
{
    // The frame shows the hall which slider the remote moves; a figure for the notes has no use
    // for it.
    const bool ringShown = ring && ring->isVisible();
    if (ringShown)
        ring->hide();
    figure(target);
    if (ringShown)
        ring->show();
}

void WindowKeys::showFocusRing()
{
    if (ring)
        return;
    ring = new FocusRing(target);
    ring->follow(target.focusWidget());
}

} // namespace lecture
