<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>MainWindow</name>
    <message>
        <source>Вельтарн</source>
        <translation>Veltarn</translation>
    </message>
    <message>
        <source>Факультет ТЕРН</source>
        <translation>TERN Faculty</translation>
    </message>
    <message>
        <source>Арвелин
 Компьютерные демонстрации
по курсу лекций
ВЕЛЛОРАН</source>
        <translation>Arvelin
 Computer demonstrations
for the lecture course
VELLORAN</translation>
    </message>
    <message>
        <source>Физический факультет</source>
        <translation>Faculty of Physics</translation>
    </message>
    <message>
        <source>Формирование прямоугольного сигнала.
Осцилляции Гиббса</source>
        <translation>Synthesis of a rectangular signal.
Gibbs oscillations</translation>
    </message>
    <message>
        <source>Спектр периодического сигнала</source>
        <translation>Spectrum of a pulse train</translation>
    </message>
    <message>
        <source>Формирование треугольного сигнала 
из гармоник спектра</source>
        <translation>Synthesis of a triangular signal 
from its harmonics</translation>
    </message>
    <message>
        <source>Влияние формы периодического
сигнала его спектр</source>
        <translation>How the shape of a periodic
signal affects its spectrum</translation>
    </message>
    <message>
        <source>Формирование трапециевидного 
сигнала из гармоник спектра</source>
        <translation>Synthesis of a trapezoidal 
signal from its harmonics</translation>
    </message>
    <message>
        <source>Амплитудно-модулированный сигнал</source>
        <translation>Amplitude-modulated signal</translation>
    </message>
    <message>
        <source>Автор</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>2012 г.</source>
        <translation>2012</translation>
    </message>
    <message>
        <source>Свой сигнал</source>
        <translation>Your signal</translation>
    </message>
</context>
<context>
    <name>amplitudeModulatedSignal</name>
    <message>
        <source>Амплитудно-модулированный сигнал</source>
        <translation>Amplitude-modulated signal</translation>
    </message>
    <message>
        <source>Глубина модуляции </source>
        <translation>Modulation depth </translation>
    </message>
    <message>
        <source>Репер</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Частота модуляции</source>
        <translation>Modulation frequency</translation>
    </message>
    <message>
        <source>Несущая частота   </source>
        <translation>Carrier frequency   </translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Главное меню</source>
        <translation>Main menu</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <source>veltarn: не удаётся открыть дисплей %1: окна негде показать; проверьте DISPLAY или WAYLAND_DISPLAY и что графический сеанс запущен
</source>
        <translation>veltarn: cannot open the display %1: there is nowhere to show the windows; check DISPLAY or WAYLAND_DISPLAY and that a graphical session is running
</translation>
    </message>
    <message>
        <source>(не задан)</source>
        <translation>(not set)</translation>
    </message>
</context>
<context>
    <name>author</name>
    <message>
        <source>Автор</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>Факультет ТЕРН</source>
        <translation>TERN Faculty</translation>
    </message>
    <message>
        <source>Арвелин
 Компьютерные демонстрации
по курсу лекций
ВЕЛЛОРАН</source>
        <translation>Arvelin
 Computer demonstrations
for the lecture course
VELLORAN</translation>
    </message>
    <message>
        <source>Физический факультет</source>
        <translation>Faculty of Physics</translation>
    </message>
    <message>
        <source>Вельтарн</source>
        <translation>Veltarn</translation>
    </message>
    <message>
        <source>Дарест</source>
        <translation>Darest</translation>
    </message>
    <message>
        <source>Лекторы: Ровель, Стамин</source>
        <translation>Lecturers: Rovel, Stamin</translation>
    </message>
    <message>
        <source>Главное меню</source>
        <translation>Main menu</translation>
    </message>
</context>
<context>
    <name>catalog</name>
    <message>
        <source>%1=%2: ожидается число с точкой, например %3</source>
        <translation>%1=%2: a number with a decimal point is expected, e.g. %3</translation>
    </message>
    <message>
        <source>%1=%2: ожидается число без дробной части</source>
        <translation>%1=%2: a whole number is expected</translation>
    </message>
    <message>
        <source>%1=%2: значение может быть только целым числом</source>
        <translation>%1=%2: the value can only be a whole number</translation>
    </message>
    <message>
        <source>%1=%2: значение меняется шагами по %3, его пришлось бы округлить</source>
        <translation>%1=%2: the value changes in steps of %3 and would have to be rounded</translation>
    </message>
    <message>
        <source>%1=%2: допустимы значения от %3 до %4</source>
        <translation>%1=%2: the allowed values are %3 to %4</translation>
    </message>
    <message>
        <source>%1=%2: окно не принимает это значение при %3</source>
        <translation>%1=%2: the window does not take this value with %3</translation>
    </message>
    <message numerus="yes">
        <source>%1=%2: можно просуммировать не больше %n гармоник</source>
        <translation>
            <numerusform>%1=%2: at most %n harmonic can be summed</numerusform>
            <numerusform>%1=%2: at most %n harmonics can be summed</numerusform>
        </translation>
    </message>
    <message>
        <source>Формирование прямоугольного сигнала. Осцилляции Гиббса</source>
        <translation>Synthesis of a rectangular signal. Gibbs oscillations</translation>
    </message>
    <message>
        <source>Формирование треугольного сигнала из гармоник спектра</source>
        <translation>Synthesis of a triangular signal from its harmonics</translation>
    </message>
    <message>
        <source>Формирование трапециевидного сигнала из гармоник спектра</source>
        <translation>Synthesis of a trapezoidal signal from its harmonics</translation>
    </message>
    <message>
        <source>Спектр периодического сигнала</source>
        <translation>Spectrum of a pulse train</translation>
    </message>
    <message>
        <source>Влияние формы периодического сигнала на его спектр</source>
        <translation>How the shape of a periodic signal affects its spectrum</translation>
    </message>
    <message>
        <source>Амплитудно-модулированный сигнал</source>
        <translation>Amplitude-modulated signal</translation>
    </message>
    <message>
        <source>у демонстрации %1 нет параметра %2 (есть: %3)</source>
        <translation>demonstration %1 has no parameter %2 (it has: %3)</translation>
    </message>
    <message>
        <source>%1=%2: нет такого сигнала (есть: %3)</source>
        <translation>%1=%2: no such signal (there are: %3)</translation>
    </message>
    <message>
        <source>Ряд Фурье произвольного сигнала</source>
        <translation>Fourier series of any periodic signal</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Вельтарн: лекционные демонстрации спектров периодических сигналов.</source>
        <translation>Veltarn: lecture demonstrations of the spectra of periodic signals.</translation>
    </message>
    <message>
        <source>Показать эту справку.</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>Показать версию программы.</source>
        <translation>Show the program&apos;s version.</translation>
    </message>
    <message>
        <source>Язык программы: %1 (по умолчанию %2).</source>
        <translation>The program&apos;s language: %1 (default %2).</translation>
    </message>
    <message>
        <source>Перечислить демонстрации: идентификатор и название.</source>
        <translation>List the demonstrations: id and title.</translation>
    </message>
    <message>
        <source>Сразу открыть демонстрацию поверх главного меню (идентификаторы: veltarn --list).</source>
        <translation>Open a demonstration at once, over the main menu (ids: veltarn --list).</translation>
    </message>
    <message>
        <source>Показывать окна обычными окнами, а не во весь экран.</source>
        <translation>Show ordinary windows instead of full screen.</translation>
    </message>
    <message>
        <source>Показывать окна на экране с этим номером (0 - первый экран).</source>
        <translation>Show the windows on the screen with this number (0 is the first screen).</translation>
    </message>
    <message>
        <source>Размер окна для --export в пикселях (по умолчанию 1920x1080).</source>
        <translation>The window&apos;s size in pixels for --export (default 1920x1080).</translation>
    </message>
    <message>
        <source>Отношение пикселей устройства для --export (по умолчанию 1).</source>
        <translation>The device pixel ratio for --export (default 1).</translation>
    </message>
    <message>
        <source>Длительность звука для --export в секундах (по умолчанию 3).</source>
        <translation>The length of the sound in seconds for --export (default 3).</translation>
    </message>
    <message>
        <source>--size %1: размер пишется как ШИРИНАxВЫСОТА, например 1920x1080</source>
        <translation>--size %1: a size is written as WIDTHxHEIGHT, e.g. 1920x1080</translation>
    </message>
    <message>
        <source>--size %1: ширина и высота должны быть больше нуля</source>
        <translation>--size %1: the width and the height must be greater than zero</translation>
    </message>
    <message>
        <source>--set %1: ожидается ИМЯ=ЗНАЧЕНИЕ</source>
        <translation>--set %1: NAME=VALUE expected</translation>
    </message>
    <message>
        <source>--set: у демонстрации %1 нет параметра %2 (есть: %3)</source>
        <translation>--set: demonstration %1 has no parameter %2 (it has: %3)</translation>
    </message>
    <message>
        <source>--%1 можно указать только один раз</source>
        <translation>--%1 can be given only once</translation>
    </message>
    <message>
        <source>лишний аргумент «%1»; справка: veltarn --help</source>
        <translation>unexpected argument &quot;%1&quot;; help: veltarn --help</translation>
    </message>
    <message>
        <source>нет демонстрации «%1»; список: veltarn --list</source>
        <translation>no demonstration &quot;%1&quot;; list: veltarn --list</translation>
    </message>
    <message>
        <source>--set задаёт значения демонстрации, нужен и --demo</source>
        <translation>--set gives values to a demonstration; --demo is needed too</translation>
    </message>
    <message>
        <source>--screen %1: номер экрана - целое число от 0</source>
        <translation>--screen %1: a screen number is a whole number from 0</translation>
    </message>
    <message>
        <source>--export: не указано имя файла</source>
        <translation>--export: no file name given</translation>
    </message>
    <message>
        <source>--export записывает демонстрацию, нужен и --demo</source>
        <translation>--export writes a demonstration; --demo is needed too</translation>
    </message>
    <message>
        <source>--%1 относится только к --export</source>
        <translation>--%1 applies only to --export</translation>
    </message>
    <message>
        <source>--scale %1: ожидается число больше 0 и не больше %2, например 2 или 1.5</source>
        <translation>--scale %1: a number greater than 0 and at most %2 is expected, e.g. 2 or 1.5</translation>
    </message>
    <message>
        <source>рисунок %1x%2 пикселей слишком велик: каждая сторона не больше %3</source>
        <translation>a picture of %1x%2 pixels is too large: each side is at most %3</translation>
    </message>
    <message>
        <source>--seconds %1: ожидается число секунд больше 0 и не больше %2</source>
        <translation>--seconds %1: a number of seconds greater than 0 and at most %2 is expected</translation>
    </message>
    <message>
        <source>--language %1: нет такого языка; есть: %2</source>
        <translation>--language %1: no such language; there are: %2</translation>
    </message>
    <message>
        <source>неизвестный параметр %1; справка: veltarn --help</source>
        <translation>unknown option %1; help: veltarn --help</translation>
    </message>
    <message>
        <source>после %1 нужно значение</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>--screen %1: нет такого экрана, их %2 (номера от 0 до %3)</source>
        <translation>--screen %1: no such screen; there are %2 (numbered 0 to %3)</translation>
    </message>
    <message>
        <source>veltarn: нет дисплея, на котором показать окна: задайте DISPLAY или WAYLAND_DISPLAY (или QT_QPA_PLATFORM=offscreen, чтобы работать без экрана)
</source>
        <translation>veltarn: no display to show the windows on: set DISPLAY or WAYLAND_DISPLAY (or QT_QPA_PLATFORM=offscreen to work without a screen)
</translation>
    </message>
    <message>
        <source>Начальные значения демонстрации в единицах её показаний, через запятую: harmonics (rectangle, triangle, trapezoid); T, tau (pulse-train); T, tau1, tau2 (shape); m, omega, Omega (modulation); preset, harmonics (workshop).</source>
        <translation>The starting values of the demonstration in the units its readouts show, separated by commas: harmonics (rectangle, triangle, trapezoid); T, tau (pulse-train); T, tau1, tau2 (shape); m, omega, Omega (modulation); preset, harmonics (workshop).</translation>
    </message>
    <message>
        <source>С --demo workshop: сигнал по формуле F(t) на периоде, t от 0 до 1, например sin(2*pi*t).</source>
        <translation>With --demo workshop: the signal as a formula F(t) over one period, t from 0 to 1, e.g. sin(2*pi*t).</translation>
    </message>
    <message>
        <source>%1 задаёт сигнал демонстрации workshop, нужен --demo workshop</source>
        <translation>%1 sets the signal of the workshop demonstration; --demo workshop is needed</translation>
    </message>
    <message>
        <source>сигнал задаётся одним из --formula, --signal и preset=</source>
        <translation>the signal is set by only one of --formula, --signal and preset=</translation>
    </message>
    <message>
        <source>С --demo workshop: сигнал из таблицы CSV (заголовок t,f; один период) или период звукового файла (WAV, FLAC, OGG, MP3) в самую ровную его секунду.</source>
        <translation>With --demo workshop: the signal from a CSV table (header t,f; one period) or one period of a sound file (WAV, FLAC, OGG, MP3) at its steadiest second.</translation>
    </message>
    <message>
        <source>Ничего не показывая, записать демонстрацию (--demo) в файл и завершиться; формат по расширению: .png или .svg (всё окно), .wav (звук окна), .csv (линии спектра). Можно повторять.</source>
        <translation>Write the demonstration (--demo) to a file without showing anything, then exit; the suffix picks the format: .png or .svg (the whole window), .wav (its sound), .csv (its spectrum's lines). Repeatable.</translation>
    </message>
</context>
<context>
    <name>fieldAmplitudeFunDynamic</name>
    <message>
        <source>Сигнал</source>
        <translation>Signal</translation>
    </message>
</context>
<context>
    <name>fieldAmplitudeFunReper</name>
    <message>
        <source>Реперный сигнал</source>
        <translation>Reference signal</translation>
    </message>
</context>
<context>
    <name>fieldAmplitudeSpecDynamic</name>
    <message>
        <source>Спектр</source>
        <translation>Spectrum</translation>
    </message>
</context>
<context>
    <name>fieldAmplitudeSpecReper</name>
    <message>
        <source>Реперный спектр</source>
        <translation>Reference spectrum</translation>
    </message>
</context>
<context>
    <name>fieldDependenceFuncDynamic</name>
    <message>
        <source>Сигнал</source>
        <translation>Signal</translation>
    </message>
</context>
<context>
    <name>fieldDependenceFuncReper</name>
    <message>
        <source>Реперный сигнал</source>
        <translation>Reference signal</translation>
    </message>
</context>
<context>
    <name>fieldDependenceSpecDynamic</name>
    <message>
        <source>Спектр</source>
        <translation>Spectrum</translation>
    </message>
</context>
<context>
    <name>fieldDependenceSpecReper</name>
    <message>
        <source>Реперный спектр</source>
        <translation>Reference spectrum</translation>
    </message>
</context>
<context>
    <name>fieldDynamicFuncPeriodic</name>
    <message>
        <source>Сигнал</source>
        <translation>Signal</translation>
    </message>
</context>
<context>
    <name>fieldDynamicSpecPeriodic</name>
    <message>
        <source>Спектр</source>
        <translation>Spectrum</translation>
    </message>
</context>
<context>
    <name>fieldReperFuncPeriodic</name>
    <message>
        <source>Реперный сигнал</source>
        <translation>Reference signal</translation>
    </message>
</context>
<context>
    <name>fieldReperSpecPeriodic</name>
    <message>
        <source>Реперный спектр</source>
        <translation>Reference spectrum</translation>
    </message>
</context>
<context>
    <name>figures</name>
    <message>
        <source>не удалось записать PNG: %1</source>
        <translation>could not write the PNG: %1</translation>
    </message>
    <message>
        <source>%1 — это папка, а не файл</source>
        <translation>%1 is a folder, not a file</translation>
    </message>
    <message>
        <source>нет папки %1 для файла %2</source>
        <translation>there is no folder %1 for the file %2</translation>
    </message>
    <message>
        <source>%1 — не папка, файл %2 в ней не создать</source>
        <translation>%1 is not a folder; the file %2 cannot be made in it</translation>
    </message>
    <message>
        <source>нельзя записать файл %1: нет права записи в папку %2</source>
        <translation>cannot write the file %1: no permission to write into the folder %2</translation>
    </message>
    <message>
        <source>%1: %2; файл можно записать как %3</source>
        <translation>%1: %2; a file can be written as %3</translation>
    </message>
    <message>
        <source>нет расширения, по которому выбрать формат</source>
        <translation>no suffix to choose the format by</translation>
    </message>
    <message>
        <source>неизвестный формат .%1</source>
        <translation>unknown format .%1</translation>
    </message>
    <message>
        <source>размер %1x%2 мал для окна: наименьший %3x%4</source>
        <translation>the size %1x%2 is too small for the window: the smallest is %3x%4</translation>
    </message>
    <message>
        <source>не удалось записать файл %1: %2</source>
        <translation>could not write the file %1: %2</translation>
    </message>
    <message>
        <source>Рисунок не сохранён: не удалось создать папку %1</source>
        <translation>Picture not saved: could not create the folder %1</translation>
    </message>
    <message>
        <source>Рисунок не сохранён: %1</source>
        <translation>Picture not saved: %1</translation>
    </message>
    <message>
        <source>Рисунок сохранён в папке %1: %2 и %3</source>
        <translation>Picture saved in the folder %1: %2 and %3</translation>
    </message>
    <message>
        <source>Рисунок окна скопирован в буфер обмена</source>
        <translation>Picture of the window copied to the clipboard</translation>
    </message>
    <message>
        <source>Звук не сохранён: нельзя создать папку %1</source>
        <translation>Sound not saved: cannot create the folder %1</translation>
    </message>
    <message>
        <source>в окне нет спектра</source>
        <translation>the window has no spectrum</translation>
    </message>
    <message>
        <source>не удалось записать CSV: %1</source>
        <translation>could not write the CSV: %1</translation>
    </message>
</context>
<context>
    <name>harmonic</name>
    <message>
        <source>Формирование прямоугольного сигнала из гармоник спектра.
Осцилляции Гиббса</source>
        <translation>Synthesis of a rectangular signal from its harmonics.
Gibbs oscillations</translation>
    </message>
    <message>
        <source>Просуммировать</source>
        <translation>Add to sum</translation>
    </message>
    <message>
        <source>Добавить гармонику</source>
        <translation>Add a harmonic</translation>
    </message>
    <message>
        <source>Репер</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Сумма N = </source>
        <translation>Sum N = </translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Главное меню</source>
        <translation>Main menu</translation>
    </message>
</context>
<context>
    <name>harmonicTrapeze</name>
    <message>
        <source>Формирование трапециевидного сигнала из гармоник спектра</source>
        <translation>Synthesis of a trapezoidal signal from its harmonics</translation>
    </message>
    <message>
        <source>Просуммировать</source>
        <translation>Add to sum</translation>
    </message>
    <message>
        <source>Добавить гармонику</source>
        <translation>Add a harmonic</translation>
    </message>
    <message>
        <source>Репер</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Сумма N = </source>
        <translation>Sum N = </translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Главное меню</source>
        <translation>Main menu</translation>
    </message>
</context>
<context>
    <name>harmonicTriangle</name>
    <message>
        <source>Формирование треугольного сигнала из гармоник спектра</source>
        <translation>Synthesis of a triangular signal from its harmonics</translation>
    </message>
    <message>
        <source>Просуммировать</source>
        <translation>Add to sum</translation>
    </message>
    <message>
        <source>Добавить гармонику</source>
        <translation>Add a harmonic</translation>
    </message>
    <message>
        <source>Репер</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Сумма N = </source>
        <translation>Sum N = </translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Главное меню</source>
        <translation>Main menu</translation>
    </message>
</context>
<context>
    <name>harmonics</name>
    <message numerus="yes">
        <source>гармоник</source>
        <translation>
            <numerusform>harmonic</numerusform>
            <numerusform>harmonics</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lecture</name>
    <message>
        <source>следующий шаг: «Добавить гармонику» или «Просуммировать»</source>
        <translation>next step: &quot;Add a harmonic&quot; or &quot;Add to sum&quot;</translation>
    </message>
    <message>
        <source>шаг назад</source>
        <translation>step back</translation>
    </message>
    <message>
        <source>«Репер»: начать сначала; PageUp возвращает</source>
        <translation>&quot;Reset&quot;: start again; PageUp takes it back</translation>
    </message>
    <message>
        <source>шаги сами, каждые полторы секунды; любая клавиша останавливает</source>
        <translation>steps by themselves, every second and a half; any key stops them</translation>
    </message>
    <message>
        <source>выбранный движок вперёд на крупный шаг</source>
        <translation>chosen slider up by a large step</translation>
    </message>
    <message>
        <source>выбранный движок назад на крупный шаг</source>
        <translation>chosen slider down by a large step</translation>
    </message>
    <message>
        <source>выбранный движок на шаг вперёд</source>
        <translation>chosen slider one step up</translation>
    </message>
    <message>
        <source>выбранный движок на шаг назад</source>
        <translation>chosen slider one step down</translation>
    </message>
    <message>
        <source>выбранный движок в начало, насколько можно</source>
        <translation>chosen slider to its start, as far as allowed</translation>
    </message>
    <message>
        <source>выбранный движок в конец, насколько можно</source>
        <translation>chosen slider to its end, as far as allowed</translation>
    </message>
    <message>
        <source>выбрать следующий движок</source>
        <translation>choose the next slider</translation>
    </message>
    <message>
        <source>выбрать предыдущий движок</source>
        <translation>choose the previous slider</translation>
    </message>
    <message>
        <source>выбрать другой движок или кнопку</source>
        <translation>choose another slider or button</translation>
    </message>
    <message>
        <source>открыть демонстрацию с этим номером</source>
        <translation>open the demonstration with this number</translation>
    </message>
    <message>
        <source>следующая демонстрация</source>
        <translation>next demonstration</translation>
    </message>
    <message>
        <source>предыдущая демонстрация</source>
        <translation>previous demonstration</translation>
    </message>
    <message>
        <source>перейти к кнопке выше или ниже</source>
        <translation>go to the button above or below</translation>
    </message>
    <message>
        <source>открыть выбранную демонстрацию</source>
        <translation>open the chosen demonstration</translation>
    </message>
    <message>
        <source>«Главное меню»</source>
        <translation>&quot;Main menu&quot;</translation>
    </message>
    <message>
        <source>звук: включить или выключить</source>
        <translation>sound: on or off</translation>
    </message>
    <message>
        <source>сохранить три секунды звука в папку музыки</source>
        <translation>save three seconds of the sound to the music folder</translation>
    </message>
    <message>
        <source>сохранить рисунок окна (PNG и SVG) в папку изображений</source>
        <translation>save a picture of the window (PNG and SVG) to the pictures folder</translation>
    </message>
    <message>
        <source>скопировать рисунок окна</source>
        <translation>copy a picture of the window</translation>
    </message>
    <message>
        <source>во весь экран или в окне</source>
        <translation>full screen or in a window</translation>
    </message>
    <message>
        <source>чёрный экран до следующей клавиши</source>
        <translation>black screen until the next key</translation>
    </message>
    <message>
        <source>эта подсказка, до следующей клавиши</source>
        <translation>this help, until the next key</translation>
    </message>
    <message>
        <source>Главное меню</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>Клавиши этого окна</source>
        <translation>Keys of this window</translation>
    </message>
    <message>
        <source> (в любой раскладке)</source>
        <translation> (any keyboard layout)</translation>
    </message>
    <message>
        <source>«Открыть…»: сигнал из таблицы CSV или звукового файла</source>
        <translation>"Open…": the signal from a CSV table or a sound file</translation>
    </message>
</context>
<context>
    <name>signalDependence</name>
    <message>
        <source>Влияние формы периодического сигнала на его спектр</source>
        <translation>How the shape of a periodic signal affects its spectrum</translation>
    </message>
    <message>
        <source>Период Т </source>
        <translation>Period T =</translation>
    </message>
    <message>
        <source>Репер</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Главное меню</source>
        <translation>Main menu</translation>
    </message>
</context>
<context>
    <name>signalWorkshop</name>
    <message>
        <source>Ряд Фурье произвольного сигнала</source>
        <translation>Fourier series of any periodic signal</translation>
    </message>
    <message>
        <source>Сигнал:</source>
        <translation>Signal:</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Открыть…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Сохранить…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Просуммировать</source>
        <translation>Add to sum</translation>
    </message>
    <message>
        <source>Добавить гармонику</source>
        <translation>Add a harmonic</translation>
    </message>
    <message>
        <source>Репер</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Выброс:</source>
        <translation>Gibbs:</translation>
    </message>
    <message>
        <source>Ошибка:</source>
        <translation>Error:</translation>
    </message>
    <message>
        <source>Сумма N = </source>
        <translation>Sum N = </translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Главное меню</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>%1: не удаётся записать файл (%2)</source>
        <translation>%1: the file cannot be written (%2)</translation>
    </message>
    <message>
        <source>Открыть сигнал</source>
        <translation>Open a signal</translation>
    </message>
    <message>
        <source>Таблицы CSV (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>Сохранить сигнал</source>
        <translation>Save the signal</translation>
    </message>
    <message>
        <source>Микрофон</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Звуковой файл…</source>
        <translation>Sound file…</translation>
    </message>
    <message>
        <source>Таблицы CSV и звуковые файлы (*.csv %1);;Таблицы CSV (*.csv);;Звуковые файлы (%1)</source>
        <translation>CSV tables and sound files (*.csv %1);;CSV tables (*.csv);;Sound files (%1)</translation>
    </message>
    <message>
        <source>Микрофон не открывается; сигнал прежний</source>
        <translation>The microphone does not open; the signal stays as it was</translation>
    </message>
    <message>
        <source>%1: нет периодичности</source>
        <translation>%1: no periodicity</translation>
    </message>
    <message>
        <source>Открыть звуковой файл</source>
        <translation>Open a sound file</translation>
    </message>
    <message>
        <source>Звуковые файлы (%1);;Все файлы (*)</source>
        <translation>Sound files (%1);;All files (*)</translation>
    </message>
    <message>
        <source>нет периодичности</source>
        <translation>no periodicity</translation>
    </message>
</context>
<context>
    <name>sound</name>
    <message>
        <source>Нет звукового выхода: звук включить нельзя</source>
        <translation>No sound output: the sound cannot be switched on</translation>
    </message>
    <message>
        <source>Звуковой выход не принимает 16-битный звук</source>
        <translation>The sound output does not take 16-bit sound</translation>
    </message>
    <message>
        <source>Звуковой выход не открывается. Если звуковая служба перезапускалась, перезапустите программу</source>
        <translation>The sound output does not open. If the sound service was restarted, restart the program</translation>
    </message>
    <message>
        <source>Звук остановлен: звуковой выход пропал</source>
        <translation>Sound stopped: the sound output is gone</translation>
    </message>
    <message>
        <source>Звук остановлен: звуковой выход не открылся</source>
        <translation>Sound stopped: the sound output did not open</translation>
    </message>
    <message>
        <source>Звук остановлен: звуковой выход отключён</source>
        <translation>Sound stopped: the sound output was disconnected</translation>
    </message>
    <message>
        <source>Включить или выключить звук сигнала</source>
        <translation>Switch the sound of the signal on or off</translation>
    </message>
    <message>
        <source>Звук не сохранён. </source>
        <translation>Sound not saved. </translation>
    </message>
    <message>
        <source>Звук сохранён: %1</source>
        <translation>Sound saved: %1</translation>
    </message>
    <message>
        <source>В этом окне нет звука</source>
        <translation>This window has no sound</translation>
    </message>
    <message>
        <source>Длительность звука должна быть больше 0 и не больше %1 с</source>
        <translation>The sound must last more than 0 and at most %1 s</translation>
    </message>
    <message>
        <source>не удалось записать WAV: %1</source>
        <translation>could not write the WAV: %1</translation>
    </message>
    <message>
        <source>Звук слишком длинный для файла WAV: %1</source>
        <translation>The sound is too long for a WAV file: %1</translation>
    </message>
    <message>
        <source>Не удалось записать звук: «%1» — это папка</source>
        <translation>Could not write the sound: &quot;%1&quot; is a folder</translation>
    </message>
    <message>
        <source>Не удалось записать звук в «%1»: %2</source>
        <translation>Could not write the sound to &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>soundSourcePanel</name>
    <message>
        <source>● запись</source>
        <translation>● recording</translation>
    </message>
    <message>
        <source>Заморозить</source>
        <translation>Freeze</translation>
    </message>
    <message>
        <source>нет периодичности</source>
        <translation>no periodicity</translation>
    </message>
    <message>
        <source>%1 с</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>f₀ = %1 Гц</source>
        <translation>f₀ = %1 Hz</translation>
    </message>
</context>
<context>
    <name>spectrumOfPeriodicSingal</name>
    <message>
        <source>Спектр периодического сигнала</source>
        <translation>Spectrum of a pulse train</translation>
    </message>
    <message>
        <source>Период Т                        </source>
        <translation>Period T                        </translation>
    </message>
    <message>
        <source>Репер</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Длительность импульса</source>
        <translation>Pulse duration</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Главное меню</source>
        <translation>Main menu</translation>
    </message>
</context>
<context>
    <name>synthesisPlot</name>
    <message>
        <source>Сигнал</source>
        <translation>Signal</translation>
    </message>
</context>
<context>
    <name>synthesisSpectrum</name>
    <message>
        <source>Спектр сигнала</source>
        <translation>Signal spectrum</translation>
    </message>
</context>
<context>
    <name>veltarn</name>
    <message>
        <source>Вельтарн</source>
        <translation>Veltarn</translation>
    </message>
</context>
<context>
    <name>workshop</name>
    <message>
        <source>Синусоида</source>
        <translation>Sine</translation>
    </message>
    <message>
        <source>Прямоугольный</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>Треугольный</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Пилообразный</source>
        <translation>Sawtooth</translation>
    </message>
    <message>
        <source>Однополупериодный выпрямленный синус</source>
        <translation>Half-wave rectified sine</translation>
    </message>
    <message>
        <source>Двухполупериодный выпрямленный синус</source>
        <translation>Full-wave rectified sine</translation>
    </message>
    <message>
        <source>Импульсы</source>
        <translation>Pulses</translation>
    </message>
    <message>
        <source>Шум</source>
        <translation>Noise</translation>
    </message>
    <message>
        <source>F(t): неизвестное имя «%1» в позиции %2</source>
        <translation>F(t): unknown name “%1” at position %2</translation>
    </message>
    <message>
        <source>F(t): формула обрывается в позиции %1</source>
        <translation>F(t): the formula ends too early at position %1</translation>
    </message>
    <message>
        <source>F(t): не хватает закрывающей скобки (позиция %1)</source>
        <translation>F(t): a closing bracket is missing (position %1)</translation>
    </message>
    <message>
        <source>F(t): у функции «%1» в позиции %2 не то число аргументов</source>
        <translation>F(t): the function “%1” at position %2 has the wrong number of arguments</translation>
    </message>
    <message>
        <source>F(t): ошибка в записи формулы в позиции %1</source>
        <translation>F(t): syntax error at position %1</translation>
    </message>
    <message>
        <source>F(t): ошибка в записи формулы: «%1» в позиции %2</source>
        <translation>F(t): syntax error: “%1” at position %2</translation>
    </message>
    <message>
        <source>F(t): формула пуста</source>
        <translation>F(t): the formula is empty</translation>
    </message>
    <message>
        <source>F(t): значение не определено при t = %1</source>
        <translation>F(t): the value is not defined at t = %1</translation>
    </message>
    <message>
        <source>файл больше 10 МБ</source>
        <translation>the file is larger than 10 MB</translation>
    </message>
    <message>
        <source>файл не в кодировке UTF-8</source>
        <translation>the file is not UTF-8</translation>
    </message>
    <message>
        <source>строка 1: ожидается заголовок t,f</source>
        <translation>line 1: the header t,f is expected</translation>
    </message>
    <message>
        <source>строка %1: </source>
        <translation>line %1: </translation>
    </message>
    <message>
        <source>ожидается два числа через запятую, t и f</source>
        <translation>two numbers separated by a comma are expected, t and f</translation>
    </message>
    <message>
        <source>t «%1» - не число</source>
        <translation>t “%1” is not a number</translation>
    </message>
    <message>
        <source>f «%1» - не число</source>
        <translation>f “%1” is not a number</translation>
    </message>
    <message>
        <source>t = %1 вне периода от 0 до 1</source>
        <translation>t = %1 is outside the period from 0 to 1</translation>
    </message>
    <message>
        <source>t = %1 не больше предыдущего</source>
        <translation>t = %1 is not greater than the one before</translation>
    </message>
    <message>
        <source>строка %1: нужно не меньше двух строк с числами</source>
        <translation>line %1: at least two rows of numbers are needed</translation>
    </message>
    <message>
        <source>%1: не удаётся открыть файл</source>
        <translation>%1: the file cannot be opened</translation>
    </message>
    <message>
        <source>не звуковой файл или формат, для которого в системе нет декодера</source>
        <translation>not a sound file, or a format the system has no decoder for</translation>
    </message>
    <message>
        <source>нет доступа к файлу</source>
        <translation>the file cannot be accessed</translation>
    </message>
    <message>
        <source>в системе нет декодера звука (Qt Multimedia)</source>
        <translation>the system has no sound decoder (Qt Multimedia)</translation>
    </message>
    <message>
        <source>не удаётся прочитать файл</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>не удаётся открыть файл</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>файл обрывается раньше, чем кончается звук</source>
        <translation>the file ends before its sound does</translation>
    </message>
    <message>
        <source>в файле нет звука</source>
        <translation>the file holds no sound</translation>
    </message>
</context>
<context>
    <name>workshop::Microphone</name>
    <message>
        <source>Нет микрофона: звуковая служба не запущена</source>
        <translation>No microphone: the sound service is not running</translation>
    </message>
    <message>
        <source>Нет микрофона: система не знает ни одного входа звука</source>
        <translation>No microphone: the system knows no sound input</translation>
    </message>
    <message>
        <source>Микрофон перестал отвечать; сигнал прежний</source>
        <translation>The microphone stopped answering; the signal stays as it was</translation>
    </message>
    <message>
        <source>Микрофон отключён; сигнал прежний</source>
        <translation>The microphone was disconnected; the signal stays as it was</translation>
    </message>
</context>
<context>
    <name>workshopSpectrum</name>
    <message>
        <source>Амплитуды гармоник</source>
        <translation>Harmonic amplitudes</translation>
    </message>
    <message>
        <source>Фазы гармоник</source>
        <translation>Harmonic phases</translation>
    </message>
</context>
</TS>
