#pragma once

#include "lecture/keytable.h"

#include <QAbstractSlider>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSlider>
#include <QTimer>

#include <memory>

class QAbstractButton;
class QKeyEvent;
class synthesisPlot;
class spectrumSteps;

namespace lecture
{

class Cover;
class FocusRing;
struct HelpLine;

// The keys of one window, wherever its keyboard focus is: every key goes through the window's
// own buttons and sliders (a click on the visible button, a slider action), so counters, limits,
// signal order and pictures are exactly those of the mouse. It belongs to the window it serves.
class WindowKeys : public QObject
{
    Q_OBJECT

public:
    // The window's kind is read from what it holds: the synthesis plot and its buttons (with
    // "Открыть…", the workshop), or sliders; anything else is a window that only has
    // "Главное меню".
    static WindowKeys *attach(QWidget &window);
    // The main menu, with its demonstration buttons in reading order and any further buttons
    // the arrow keys may visit.
    static WindowKeys *attachToMenu(QWidget &menu, QList<QAbstractButton *> demonstrations,
                                    QList<QAbstractButton *> others);
    static WindowKeys *of(const QWidget &window);

    Window kind() const { return windowKind; }
    QWidget &window() const { return target; }
    // Auto-stepping waits this long after the glide settled (1.5 s unless a test shortens it).
    void setAutoStepPause(int milliseconds) { autoStepPause = milliseconds; }
    bool isAutoStepping() const { return autoStepTimer.isActive(); }
    bool isCovered() const;
    // The slider the remote's keys move in a parameter window.
    QSlider *currentSlider() const { return slider; }

    // The actions of the key table.
    void nextStep();
    void previousStep();
    void startOver();
    void toggleAutoStep();
    // As far as the action goes, or as far that way as the window's rules allow.
    void moveSlider(QAbstractSlider::SliderAction action);
    // The next (+1) or previous (-1) slider of the focus chain, round the end.
    void chooseSlider(int step);
    void openDemonstration(int index);
    // The next (+1) or previous (-1) demonstration in reading order, round the end.
    void stepMenuFocus(int step);
    // The nearest button above or below.
    void moveMenuFocus(Qt::Key direction);
    void openFocused();
    void backToMenu();
    void toggleFullScreen();
    void blackOut();
    void showHelp();
    // Saves or copies the window's picture (figures::savePicture, figures::copyPicture) as the
    // window shows it without the key overlays.
    void capturePicture(void (*figure)(QWidget &window));

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WindowKeys(QWidget &window, Window kind);
    bool keyPressed(const QKeyEvent &event);
    void autoStep();
    void focusChanged(QWidget *now);
    void showFocusRing();
    QList<QSlider *> slidersInFocusOrder() const;
    QList<HelpLine> helpLines() const;

    QWidget &target;
    const Window windowKind;
    // Synthesis windows.
    QAbstractButton *addButton = nullptr;
    QAbstractButton *sumButton = nullptr;
    QAbstractButton *reperButton = nullptr;
    synthesisPlot *func = nullptr;
    spectrumSteps *spec = nullptr;
    // Demonstration windows.
    QAbstractButton *menuButton = nullptr;
    // Parameter windows.
    QPointer<QSlider> slider;
    // The main menu.
    QList<QAbstractButton *> demonstrations;
    QList<QAbstractButton *> menuButtons;

    QTimer autoStepTimer;
    QElapsedTimer settled;
    int autoStepPause = 1500;
    Cover *cover = nullptr;
    FocusRing *ring = nullptr;
};

// Opens a new window as the main menu's buttons do: with its keys attached, full screen above
// `over` on the screen `over` is on now (the projector the menu was moved to), and destroyed
// once closed, since a closed window is never shown again.
QWidget &openWindow(std::unique_ptr<QWidget> window, const QWidget &over);

} // namespace lecture
