#include "lecture/keytable.h"

#include "figures/figures.h"
#include "lecture/windowkeys.h"
#include "sound/soundcontroller.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeySequence>

namespace lecture
{
namespace
{

// What the Russian layout gives on the keys of the Latin B and the full stop.
constexpr auto cyrillicI = Qt::Key(0x0418);
constexpr auto cyrillicYu = Qt::Key(0x042E);
// ... and on the keys of S and C, which the layout also gives with Ctrl held.
constexpr auto cyrillicYeru = Qt::Key(0x042B);
constexpr auto cyrillicEs = Qt::Key(0x0421);
// ... and on the key of O.
constexpr auto cyrillicShcha = Qt::Key(0x0429);

// The sound of the window, where it has one.
void withSound(WindowKeys &w, void (sound::Controller::*act)())
{
    if (sound::Controller *c = sound::controllerOf(&w.window()))
        (c->*act)();
}

std::vector<KeyRow> buildTable()
{
    using W = WindowKeys;
    return {
        {{Qt::Key_PageDown, Qt::Key_Right},
         QT_TRANSLATE_NOOP("lecture", "следующий шаг: «Добавить гармонику» или «Просуммировать»"),
         Synthesis,
         [](W &w, Qt::Key) { w.nextStep(); }},
        {{Qt::Key_PageUp, Qt::Key_Left},
         QT_TRANSLATE_NOOP("lecture", "шаг назад"),
         Synthesis,
         [](W &w, Qt::Key) { w.previousStep(); }},
        {{Qt::Key_Home},
         QT_TRANSLATE_NOOP("lecture", "«Репер»: начать сначала; PageUp возвращает"),
         Synthesis,
         [](W &w, Qt::Key) { w.startOver(); }},
        {{Qt::Key_F5, Qt::SHIFT | Qt::Key_F5},
         QT_TRANSLATE_NOOP("lecture",
                           "шаги сами, каждые полторы секунды; любая клавиша останавливает"),
         Synthesis,
         [](W &w, Qt::Key) { w.toggleAutoStep(); }},
        {{Qt::Key_PageDown, Qt::Key_Right},
         QT_TRANSLATE_NOOP("lecture", "выбранный движок вперёд на крупный шаг"),
         Parameters,
         [](W &w, Qt::Key) { w.moveSlider(QAbstractSlider::SliderPageStepAdd); }},
        {{Qt::Key_PageUp, Qt::Key_Left},
         QT_TRANSLATE_NOOP("lecture", "выбранный движок назад на крупный шаг"),
         Parameters,
         [](W &w, Qt::Key) { w.moveSlider(QAbstractSlider::SliderPageStepSub); }},
        {{Qt::Key_Up},
         QT_TRANSLATE_NOOP("lecture", "выбранный движок на шаг вперёд"),
         Parameters,
         [](W &w, Qt::Key) { w.moveSlider(QAbstractSlider::SliderSingleStepAdd); }},
        {{Qt::Key_Down},
         QT_TRANSLATE_NOOP("lecture", "выбранный движок на шаг назад"),
         Parameters,
         [](W &w, Qt::Key) { w.moveSlider(QAbstractSlider::SliderSingleStepSub); }},
        {{Qt::Key_Home},
         QT_TRANSLATE_NOOP("lecture", "выбранный движок в начало, насколько можно"),
         Parameters,
         [](W &w, Qt::Key) { w.moveSlider(QAbstractSlider::SliderToMinimum); }},
        {{Qt::Key_End},
         QT_TRANSLATE_NOOP("lecture", "выбранный движок в конец, насколько можно"),
         Parameters,
         [](W &w, Qt::Key) { w.moveSlider(QAbstractSlider::SliderToMaximum); }},
        {{Qt::Key_F5},
         QT_TRANSLATE_NOOP("lecture", "выбрать следующий движок"),
         Parameters,
         [](W &w, Qt::Key) { w.chooseSlider(1); }},
        {{Qt::SHIFT | Qt::Key_F5},
         QT_TRANSLATE_NOOP("lecture", "выбрать предыдущий движок"),
         Parameters,
         [](W &w, Qt::Key) { w.chooseSlider(-1); }},
        {{Qt::Key_Tab, Qt::Key_Backtab},
         QT_TRANSLATE_NOOP("lecture", "выбрать другой движок или кнопку"),
         Parameters,
         {}},
        {{Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_7},
         QT_TRANSLATE_NOOP("lecture", "открыть демонстрацию с этим номером"),
         Menu,
         [](W &w, Qt::Key key) { w.openDemonstration(key - Qt::Key_1); }},
        {{Qt::Key_PageDown, Qt::Key_Right},
         QT_TRANSLATE_NOOP("lecture", "следующая демонстрация"),
         Menu,
         [](W &w, Qt::Key) { w.stepMenuFocus(1); }},
        {{Qt::Key_PageUp, Qt::Key_Left},
         QT_TRANSLATE_NOOP("lecture", "предыдущая демонстрация"),
         Menu,
         [](W &w, Qt::Key) { w.stepMenuFocus(-1); }},
        {{Qt::Key_Up, Qt::Key_Down},
         QT_TRANSLATE_NOOP("lecture", "перейти к кнопке выше или ниже"),
         Menu,
         [](W &w, Qt::Key key) { w.moveMenuFocus(key); }},
        {{Qt::Key_F5, Qt::Key_Return, Qt::Key_Enter},
         QT_TRANSLATE_NOOP("lecture", "открыть выбранную демонстрацию"),
         Menu,
         [](W &w, Qt::Key) { w.openFocused(); }},
        {{Qt::Key_Escape},
         QT_TRANSLATE_NOOP("lecture", "«Главное меню»"),
         Demonstrations,
         [](W &w, Qt::Key) { w.backToMenu(); }},
        {{Qt::Key_S, cyrillicYeru},
         QT_TRANSLATE_NOOP("lecture", "звук: включить или выключить"),
         Synthesis | Parameters,
         [](W &w, Qt::Key) { withSound(w, &sound::Controller::toggle); }},
        {{Qt::CTRL | Qt::SHIFT | Qt::Key_S, Qt::CTRL | Qt::SHIFT | cyrillicYeru},
         QT_TRANSLATE_NOOP("lecture", "сохранить три секунды звука в папку музыки"),
         Synthesis | Parameters,
         [](W &w, Qt::Key) { veltarn::figures::saveSound(w.window()); }},
        {{Qt::CTRL | Qt::Key_S, Qt::CTRL | cyrillicYeru},
         QT_TRANSLATE_NOOP("lecture", "сохранить рисунок окна (PNG и SVG) в папку изображений"),
         Synthesis | Parameters,
         [](W &w, Qt::Key) { w.capturePicture(veltarn::figures::savePicture); }},
        {{Qt::CTRL | Qt::Key_C, Qt::CTRL | cyrillicEs},
         QT_TRANSLATE_NOOP("lecture", "скопировать рисунок окна"),
         Synthesis | Parameters,
         [](W &w, Qt::Key) { w.capturePicture(veltarn::figures::copyPicture); }},
        {{Qt::CTRL | Qt::Key_O, Qt::CTRL | cyrillicShcha},
         QT_TRANSLATE_NOOP("lecture", "«Открыть…»: сигнал из таблицы CSV или звукового файла"),
         Workshop,
         [](W &w, Qt::Key) {
             if (auto *open = w.window().findChild<QAbstractButton *>(QStringLiteral("open")))
                 open->click();
         }},
        {{Qt::Key_F11},
         QT_TRANSLATE_NOOP("lecture", "во весь экран или в окне"),
         Everywhere,
         [](W &w, Qt::Key) { w.toggleFullScreen(); }},
        {{Qt::Key_B, Qt::Key_Period, cyrillicI, cyrillicYu},
         QT_TRANSLATE_NOOP("lecture", "чёрный экран до следующей клавиши"),
         Everywhere,
         [](W &w, Qt::Key) { w.blackOut(); }},
        {{Qt::Key_F1},
         QT_TRANSLATE_NOOP("lecture", "эта подсказка, до следующей клавиши"),
         Everywhere,
         [](W &w, Qt::Key) { w.showHelp(); }},
    };
}

} // namespace

QString KeyRow::shownDescription() const
{
    return QCoreApplication::translate("lecture", description);
}

const std::vector<KeyRow> &keyTable()
{
    static const std::vector<KeyRow> table = buildTable();
    return table;
}

QString keyName(QKeyCombination key)
{
    switch (key.toCombined()) {
    case Qt::Key_Left:
        return QStringLiteral("←");
    case Qt::Key_Right:
        return QStringLiteral("→");
    case Qt::Key_Up:
        return QStringLiteral("↑");
    case Qt::Key_Down:
        return QStringLiteral("↓");
    case Qt::Key_PageUp:
        return QStringLiteral("PageUp");
    case Qt::Key_PageDown:
        return QStringLiteral("PageDown");
    case Qt::Key_Backtab:
        return QStringLiteral("Shift+Tab");
    default:
        return QKeySequence(key).toString(QKeySequence::PortableText);
    }
}

} // namespace lecture
