#include "lecture/windowkeys.h"

#include "catalog/catalog.h"
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

#include <algorithm>
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

bool isRussianLetter(Qt::Key key)
{
    return key >= 0x0400 && key < 0x0500;
}

const KeyRow *rowFor(QKeyCombination key, Window kind)
{
    for (const KeyRow &row : keyTable())
        if ((row.windows & kind) && row.keys.contains(key))
            return &row;
    return nullptr;
}

// Where a slider action would take the slider, inside its range.
int aimOf(const QSlider &s, QAbstractSlider::SliderAction action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        return std::min(s.value() + s.singleStep(), s.maximum());
    case QAbstractSlider::SliderSingleStepSub:
        return std::max(s.value() - s.singleStep(), s.minimum());
    case QAbstractSlider::SliderPageStepAdd:
        return std::min(s.value() + s.pageStep(), s.maximum());
    case QAbstractSlider::SliderPageStepSub:
        return std::max(s.value() - s.pageStep(), s.minimum());
    case QAbstractSlider::SliderToMinimum:
        return s.minimum();
    case QAbstractSlider::SliderToMaximum:
        return s.maximum();
    default:
        return s.value();
    }
}

// The entry `step` places after `current` (before it for a negative step), round the end; from
// outside the list, the first step lands on the first or the last entry.
template <class T> T *stepRound(const QList<T *> &list, T *current, int step)
{
    const auto n = list.size();
    const auto at = list.indexOf(current);
    return list[at < 0 ? (step > 0 ? 0 : n - 1) : ((at + step) % n + n) % n];
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
    // The workshop's synthesis also has its "Открыть…".
    const Window synthesis = window.findChild<QAbstractButton *>(QStringLiteral("open"))
                                 ? Window(Synthesis | Workshop)
                                 : Synthesis;
    const Window kind = func ? synthesis : !sliders.isEmpty() ? Parameters : Credits;
    auto *keys = new WindowKeys(window, kind);
    keys->menuButton =
        buttonWithText(window, QCoreApplication::translate("lecture", "Главное меню"));
    if (kind & Synthesis) {
        keys->func = func;
        keys->spec = window.findChild<spectrumSteps *>(QStringLiteral("Spec"));
        keys->addButton = window.findChild<QAbstractButton *>(QStringLiteral("addHarmonic"));
        keys->sumButton = window.findChild<QAbstractButton *>(QStringLiteral("sum"));
        keys->reperButton = window.findChild<QAbstractButton *>(QStringLiteral("reper"));
    } else if (kind == Parameters) {
        // The first slider of the focus chain, the one Tab reaches first.
        keys->slider = keys->slidersInFocusOrder().value(0, sliders.first());
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
    case synthesisPlot::Step::Reper:
        func->stepBack();
        spec->withdrawReper();
        // The visible button is the one that was: "Просуммировать" after a harmonic shown alone.
        addButton->setVisible(func->lastStep() != synthesisPlot::Step::Shown);
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
    const int from = slider->value();
    const int aim = aimOf(*slider, action);
    // Where the window's rules refuse the aim, the slider goes to the allowed value nearest to
    // it on the way there; a refused value would only snap back, and the hall would see nothing.
    int to = aim;
    while (to != from && !veltarn::catalog::accepts(target, *slider, to))
        to += aim > from ? -1 : 1;
    if (to == aim)
        slider->triggerAction(action);
    else if (to != from)
        slider->setValue(to);
}

QList<QSlider *> WindowKeys::slidersInFocusOrder() const
{
    QList<QSlider *> found;
    for (QWidget *w = target.nextInFocusChain(); w != &target; w = w->nextInFocusChain())
        if (auto *s = qobject_cast<QSlider *>(w); s && s->isEnabled() && !found.contains(s))
            found << s;
    return found;
}

void WindowKeys::chooseSlider(int step)
{
    if (const QList<QSlider *> sliders = slidersInFocusOrder(); !sliders.isEmpty())
        stepRound(sliders, slider.data(), step)->setFocus(Qt::TabFocusReason);
}

void WindowKeys::openDemonstration(int index)
{
    if (index >= 0 && index < demonstrations.size())
        demonstrations[index]->click();
}

void WindowKeys::stepMenuFocus(int step)
{
    // From "Автор", the first step lands on the first or the last demonstration.
    stepRound(demonstrations, qobject_cast<QAbstractButton *>(target.focusWidget()), step)
        ->setFocus(Qt::TabFocusReason);
}

void WindowKeys::moveMenuFocus(Qt::Key direction)
{
    auto *current = qobject_cast<QAbstractButton *>(target.focusWidget());
    if (!menuButtons.contains(current)) {
        menuButtons.first()->setFocus(Qt::TabFocusReason);
        return;
    }
    const QPoint from = current->mapTo(&target, current->rect().center());
    const int ahead = direction == Qt::Key_Up ? -1 : 1;
    // The nearest button lying that way, sideways distance counting double.
    QAbstractButton *best = nullptr;
    int bestScore = std::numeric_limits<int>::max();
    for (QAbstractButton *b : menuButtons) {
        const QPoint d = b->mapTo(&target, b->rect().center()) - from;
        const int along = d.y() * ahead;
        if (b == current || along <= 0)
            continue;
        if (along + 2 * std::abs(d.x()) < bestScore) {
            bestScore = along + 2 * std::abs(d.x());
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
    cover->showBlank();
}

void WindowKeys::showHelp()
{
    if (!cover)
        cover = new Cover(target);
    cover->showHelp(QCoreApplication::translate("lecture", "Клавиши этого окна"), helpLines());
}

QList<HelpLine> WindowKeys::helpLines() const
{
    QList<HelpLine> lines;
    for (const KeyRow &row : keyTable()) {
        if (!(row.windows & windowKind))
            continue;
        // A letter's twin in the Russian layout looks the same or says nothing more: the
        // action is named once, for both layouts.
        QStringList names;
        bool bothLayouts = false;
        for (const QKeyCombination &k : row.keys) {
            if (isRussianLetter(k.key()))
                bothLayouts = true;
            else
                names << keyName(k);
        }
        QString keys = names.join(QStringLiteral(", "));
        if (bothLayouts)
            keys += QCoreApplication::translate("lecture", " (в любой раскладке)");
        lines.append({keys, row.shownDescription()});
    }
    return lines;
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
