<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Actions</name>
    <message>
        <source>открыть файл урока</source>
        <translation>open a lesson file</translation>
    </message>
    <message>
        <source>сохранить урок</source>
        <translation>save the lesson</translation>
    </message>
    <message>
        <source>сохранить урок под другим именем</source>
        <translation>save the lesson under another name</translation>
    </message>
    <message>
        <source>напечатать рабочий лист: задание без ответа и решение</source>
        <translation type="vanished">print a worksheet: the task without the answer, and the solution</translation>
    </message>
    <message>
        <source>копировать рисунок скамьи в буфер обмена</source>
        <translation>copy the picture of the bench to the clipboard</translation>
    </message>
    <message>
        <source>экспортировать рисунок в файл PNG или SVG</source>
        <translation>export the picture as a PNG or SVG file</translation>
    </message>
    <message>
        <source>подписи: стрелки предмета и изображения, названия точек</source>
        <translation>labels: arrows on the object and image, names of the points</translation>
    </message>
    <message>
        <source>третий луч: через передний фокус, после линзы параллельно оси</source>
        <translation>third ray: through the front focus, parallel to the axis after the lens</translation>
    </message>
    <message>
        <source>палитра, различимая при нарушениях цветового зрения</source>
        <translation>colours told apart with a colour-vision deficiency</translation>
    </message>
    <message>
        <source>предмет движется к линзе и обратно; ещё раз — остановить</source>
        <translation>the object moves towards the lens and back; again to stop</translation>
    </message>
    <message>
        <source>сменить скорость движения</source>
        <translation>change the speed of the motion</translation>
    </message>
    <message>
        <source>график и таблица измерений: показать или скрыть</source>
        <translation>graph and table of measurements: show or hide</translation>
    </message>
    <message>
        <source>задачи для учеников: начать или закончить</source>
        <translation>tasks for pupils: start or finish</translation>
    </message>
    <message>
        <source>следующая задача</source>
        <translation>next task</translation>
    </message>
    <message>
        <source>уровень задач: одинаковые среды, две среды, смешанный</source>
        <translation>task level: equal media, two media, mixed</translation>
    </message>
    <message>
        <source>крупнее</source>
        <translation>zoom in</translation>
    </message>
    <message>
        <source>мельче</source>
        <translation>zoom out</translation>
    </message>
    <message>
        <source>по размеру окна</source>
        <translation>fit the window</translation>
    </message>
    <message>
        <source>во весь экран и обратно</source>
        <translation>full screen and back</translation>
    </message>
    <message>
        <source>эта справка</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>стрелки</source>
        <translation>arrow keys</translation>
    </message>
    <message>
        <source>1 … 5</source>
        <translation>1 … 5</translation>
    </message>
    <message>
        <source>предмет в 3F, 2F, 1,5F, F и F/2 (вид «Схема»)</source>
        <translation>the object at 3F, 2F, 1.5F, F and F/2 (diagram view)</translation>
    </message>
    <message>
        <source>Shift и перетаскивание</source>
        <translation>Shift and drag</translation>
    </message>
    <message>
        <source>двигать предмет без притяжения к оси и отметкам</source>
        <translation>move the object without snapping to the axis and the marks</translation>
    </message>
    <message>
        <source>Tab, Enter</source>
        <translation>Tab, Enter</translation>
    </message>
    <message>
        <source>Tab, пробел</source>
        <translation>Tab, Space</translation>
    </message>
    <message>
        <source>перейти к следующему элементу, нажать кнопку</source>
        <translation>move to the next control, press a button</translation>
    </message>
    <message>
        <source>масштаб 1 : 1, 1 : 2, 1 : 5, 1 : 10: сантиметр скамьи изображает 1, 2, 5 или 10 см</source>
        <translation>scale 1 : 1, 1 : 2, 1 : 5, 1 : 10: a centimetre of the bench stands for 1, 2, 5 or 10 cm</translation>
    </message>
    <message>
        <source>на показателе преломления, радиусе или фокусном расстоянии — ввести точное значение; Enter — принять, Esc — отменить</source>
        <translation>on a refractive index, radius or focal length: type an exact value; Enter takes it, Esc cancels</translation>
    </message>
    <message>
        <source>обозначения: российский учебник (d, f, F), английский (u, v, f), со знаками (d, b, f)</source>
        <translation>notation: Russian school (d, f, F), UK school (u, v, f), signed (d, b, f)</translation>
    </message>
    <message>
        <source>рабочие листы: по скамье или варианты с ответами</source>
        <translation>worksheets: of the bench, or variants with answers</translation>
    </message>
    <message>
        <source>результаты задач: имя, ответы, сохранить CSV или PDF</source>
        <translation>task results: name, answers, save as CSV or PDF</translation>
    </message>
    <message>
        <source>записать измерение в таблицу (в лабораторной работе — d и f по линейке)</source>
        <translation>record a measurement in the table (in the laboratory work: d and f off the ruler)</translation>
    </message>
    <message>
        <source>лабораторная работа: экран, линейка и таблица; ещё раз — закончить</source>
        <translation>laboratory work: screen, ruler and table; again to finish</translation>
    </message>
    <message>
        <source>лабораторная работа: показать или скрыть построение и значения (для учителя)</source>
        <translation>laboratory work: show or hide the construction and the values (for the teacher)</translation>
    </message>
    <message>
        <source>лабораторная работа: сохранить отчёт (PDF) или таблицу (CSV)</source>
        <translation>laboratory work: save the report (PDF) or the table (CSV)</translation>
    </message>
    <message>
        <source>выйти из задачи или лабораторной работы, затем из полноэкранного режима</source>
        <translation type="vanished">leave the task or the laboratory work, then the full screen</translation>
    </message>
    <message>
        <source>сдвинуть предмет (после щелчка в левой области); в лабораторной работе — предмет или экран на деление, с Shift на сантиметр</source>
        <translation type="vanished">move the object (after a click in the left area); in the laboratory work the object or the screen by a division, with Shift by a centimetre</translation>
    </message>
    <message>
        <source>лабораторная работа: удалить строку таблицы, выбранную щелчком (правый щелчок — меню строки и «Очистить таблицу»)</source>
        <translation>laboratory work: delete the row of the table selected by a click (a right click: the row&apos;s menu and “Clear the table”)</translation>
    </message>
    <message>
        <source>оптическая система: вторая линза за первой; ещё раз — убрать её</source>
        <translation>optical system: a second lens behind the first; again to remove it</translation>
    </message>
    <message>
        <source>выйти из задачи, лабораторной работы или оптической системы, затем из полноэкранного режима</source>
        <translation>leave the task, the laboratory work or the optical system, then the full screen</translation>
    </message>
    <message>
        <source>сдвинуть предмет (после щелчка в левой области); в лабораторной работе — предмет или экран на деление, с Shift на сантиметр; в оптической системе (после щелчка в правой области) — вторую линзу на 0,1 см, с Shift на 1 см; Enter — её значения, Delete — убрать её</source>
        <translation>move the object (after a click in the left area); in the laboratory work the object or the screen by a division, with Shift by a centimetre; in the optical system (after a click in the right area) the second lens by 0.1 cm, with Shift by 1 cm; Enter its values, Delete to remove it</translation>
    </message>
</context>
<context>
    <name>BenchScale</name>
    <message>
        <source>1 : %1</source>
        <translation>1 : %1</translation>
    </message>
    <message>
        <source>рабочие листы: по скамье или варианты с ответами</source>
        <translation type="vanished">worksheets: of the bench, or variants with answers</translation>
    </message>
    <message>
        <source>результаты задач: имя, ответы, сохранить CSV или PDF</source>
        <translation type="vanished">task results: name, answers, save as CSV or PDF</translation>
    </message>
    <message>
        <source>%1: 1 см скамьи изображает %2 см (щелчок или Ctrl+Shift+D — следующий; все — в меню кнопки)</source>
        <translation>%1: 1 cm of the bench stands for %2 cm (a click or Ctrl+Shift+D: the next; all on the button&apos;s menu)</translation>
    </message>
</context>
<context>
    <name>CheckResults</name>
    <message>
        <source>записана не та верная точка</source>
        <translation type="vanished">the true point recorded is not the one judged</translation>
    </message>
    <message>
        <source>записано не то расстояние</source>
        <translation>the distance recorded is not the one judged</translation>
    </message>
    <message>
        <source>записан не тот вердикт</source>
        <translation>the verdict recorded is not the one judged</translation>
    </message>
    <message>
        <source>записан не тот счёт</source>
        <translation>the score recorded is not the one judged</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, строка %2 (%3, серия %4, задача %5): %6</source>
        <translation>%1, line %2 (%3, series %4, task %5): %6</translation>
    </message>
    <message>
        <source>без имени</source>
        <translation>no name</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Серия</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Счёт</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Задачи (+ засчитано, − нет, ! запись изменена)</source>
        <translation>Tasks (+ counted, − not, ! record changed)</translation>
    </message>
    <message>
        <source>%1 из %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Не сходится с проверкой:</source>
        <translation>Not what the judging gives:</translation>
    </message>
    <message>
        <source>таблица не выведена: %1</source>
        <translation>the table was not written out: %1</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>the disk is full</translation>
    </message>
</context>
<context>
    <name>ClassSet</name>
    <message>
        <source>Фамилия, имя, класс: ________________________________________</source>
        <translation>Surname, name, class: ________________________________________</translation>
    </message>
    <message>
        <source>Серия %1, %2</source>
        <translation>Series %1, %2</translation>
    </message>
    <message>
        <source>Даны предмет AB и его изображение A′B′. Постройте ход лучей и найдите фокусы линзы F и F′.</source>
        <translation>The object AB and its image A′B′ are given. Draw the rays and find the foci F and F′ of the lens.</translation>
    </message>
    <message>
        <source>Постройте изображение A′B′ предмета AB тремя лучами и опишите его.</source>
        <translation>Construct the image A′B′ of the object AB with three rays and describe it.</translation>
    </message>
    <message>
        <source>Где две линзы дают изображение A₂B₂? Постройте его и опишите.</source>
        <translation>Where do the two lenses form the image A₂B₂? Construct it and describe it.</translation>
    </message>
    <message>
        <source>Вариант %1. Задача %2 из %3</source>
        <translation type="vanished">Variant %1. Task %2 of %3</translation>
    </message>
    <message>
        <source>Вариант %1. %2</source>
        <translation>Variant %1. %2</translation>
    </message>
    <message>
        <source>Задача %1 из %2</source>
        <translation>Task %1 of %2</translation>
    </message>
    <message>
        <source>Ответы</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>Масштаб 1 : 1 (1 см на листе — 1 см скамьи).</source>
        <translation type="vanished">Scale 1 : 1 (1 cm on the sheet is 1 cm of the bench).</translation>
    </message>
    <message>
        <source>Ответы. Вариант %1. Задача %2 из %3</source>
        <translation>Answers. Variant %1. Task %2 of %3</translation>
    </message>
    <message>
        <source>Варианты и ответы Quellor, серия %1</source>
        <translation>Quellor variants and answers, series %1</translation>
    </message>
    <message>
        <source>Варианты и ответы</source>
        <translation type="vanished">Variants and answers</translation>
    </message>
</context>
<context>
    <name>ClassSetDialog</name>
    <message>
        <source>Рабочие листы</source>
        <translation>Worksheets</translation>
    </message>
    <message>
        <source>Лист по скамье: задание и решение</source>
        <translation>Worksheet of the bench: task and solution</translation>
    </message>
    <message>
        <source>Варианты задач для класса и ответы</source>
        <translation>Variants of tasks for a class, with answers</translation>
    </message>
    <message>
        <source>Серия:</source>
        <translation>Series:</translation>
    </message>
    <message>
        <source>Вариантов:</source>
        <translation>Variants:</translation>
    </message>
    <message>
        <source>Задач в варианте:</source>
        <translation>Tasks in a variant:</translation>
    </message>
    <message>
        <source>Уровень:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Сохранить PDF…</source>
        <translation>Save PDF…</translation>
    </message>
    <message>
        <source>записать измерение в таблицу (в лабораторной работе — d и f по линейке)</source>
        <translation type="vanished">record a measurement in the table (in the laboratory work: d and f off the ruler)</translation>
    </message>
    <message>
        <source>лабораторная работа: экран, линейка и таблица; ещё раз — закончить</source>
        <translation type="vanished">laboratory work: screen, ruler and table; again to finish</translation>
    </message>
    <message>
        <source>лабораторная работа: показать или скрыть построение и значения (для учителя)</source>
        <translation type="vanished">laboratory work: show or hide the construction and the values (for the teacher)</translation>
    </message>
    <message>
        <source>лабораторная работа: сохранить отчёт (PDF) или таблицу (CSV)</source>
        <translation type="vanished">laboratory work: save the report (PDF) or the table (CSV)</translation>
    </message>
    <message>
        <source>выйти из задачи или лабораторной работы, затем из полноэкранного режима</source>
        <translation type="vanished">leave the task or the laboratory work, then the full screen</translation>
    </message>
    <message>
        <source>сдвинуть предмет (после щелчка в левой области); в лабораторной работе — предмет или экран на деление, с Shift на сантиметр</source>
        <translation type="vanished">move the object (after a click in the left area); in the laboratory work the object or the screen by a division, with Shift by a centimetre</translation>
    </message>
    <message>
        <source>«%1» — не номер серии: нужно целое число от 0 до 18446744073709551615</source>
        <translation>“%1” is no series number: a whole number from 0 to 18446744073709551615 is needed</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quellor: оптическая скамья, на которой видно, как линза строит изображение точки.</source>
        <translation>Quellor: an optical bench that shows how a lens forms the image of a point.</translation>
    </message>
    <message>
        <source>Список параметров: %1 --help</source>
        <translation>List of options: %1 --help</translation>
    </message>
    <message>
        <source>лишний аргумент: %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <source>нужен графический сеанс: не найден дисплей (DISPLAY или WAYLAND_DISPLAY)</source>
        <translation>needs a graphical session: no display found (DISPLAY or WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>не удалось открыть окно: графический сеанс недоступен (%1)</source>
        <translation>cannot open the window: the graphical session is not available (%1)</translation>
    </message>
    <message>
        <source>Записать рабочий лист (задание и решение) в PDF-файл и выйти; дисплей не нужен.</source>
        <translation>Write a worksheet (task and solution) to a PDF file and exit; needs no display.</translation>
    </message>
    <message>
        <source>OUT.pdf</source>
        <translation>OUT.pdf</translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Файл урока (.quellor), открываемый при старте.</source>
        <translation>Lesson setup file (.quellor) to open at start.</translation>
    </message>
    <message>
        <source>[ФАЙЛ]</source>
        <translation>[FILE]</translation>
    </message>
    <message>
        <source>Открыть серию задач с этим числом (0 … 18446744073709551615): у всех, кто назовёт то же число, те же задачи.</source>
        <translation>Open the series of tasks with this number (0 … 18446744073709551615): everyone who gives the same number gets the same tasks.</translation>
    </message>
    <message>
        <source>SEED</source>
        <translation>SEED</translation>
    </message>
    <message>
        <source>--tasks: «%1» — не номер серии задач: нужно целое число от 0 до 18446744073709551615</source>
        <translation>--tasks: “%1” is no number of a series of tasks: a whole number from 0 to 18446744073709551615 is needed</translation>
    </message>
    <message>
        <source>параметр --%1 указан больше одного раза</source>
        <translation>the option --%1 is given more than once</translation>
    </message>
    <message>
        <source>параметр -%1 не принимается: по нему читался бы файл, которого программа не проверяет</source>
        <translation>the option -%1 is not accepted: it would read a file the program does not check</translation>
    </message>
    <message>
        <source>--%1: «%2» — это параметр, а не значение</source>
        <translation>--%1: “%2” is an option, not a value</translation>
    </message>
    <message>
        <source>пустое имя файла урока</source>
        <translation>the lesson file name is empty</translation>
    </message>
    <message>
        <source>--worksheet: пустое имя PDF-файла</source>
        <translation>--worksheet: the PDF file name is empty</translation>
    </message>
    <message>
        <source>--worksheet: имя рабочего листа «%1» должно оканчиваться на .pdf</source>
        <translation>--worksheet: the worksheet name “%1” must end in .pdf</translation>
    </message>
    <message>
        <source>--worksheet: «%1» — это файл урока, рабочий лист его не заменит</source>
        <translation>--worksheet: “%1” is the lesson file; the worksheet will not replace it</translation>
    </message>
    <message>
        <source>--%1: имя «%2» должно оканчиваться на .%3</source>
        <translation>--%1: the name “%2” must end in .%3</translation>
    </message>
    <message>
        <source>--%1: «%2» ведёт к файлу «%3», а не к %4-файлу; он не будет заменён</source>
        <translation>--%1: “%2” leads to the file “%3”, not to a %4 file; it will not be replaced</translation>
    </message>
    <message>
        <source>--%1: «%2» — не %3-файл; он не будет заменён</source>
        <translation>--%1: “%2” is not a %3 file; it will not be replaced</translation>
    </message>
    <message>
        <source>--%1 относится к вариантам: нужны --worksheet и --tasks</source>
        <translation>--%1 belongs to variants: --worksheet and --tasks are needed</translation>
    </message>
    <message>
        <source>--results записывает ответы серии задач на экране: нужен --tasks без --worksheet</source>
        <translation>--results records the answers of a series on screen: --tasks without --worksheet is needed</translation>
    </message>
    <message>
        <source>--results: пустое имя файла</source>
        <translation>--results: the file name is empty</translation>
    </message>
    <message>
        <source>--check-results: нужны только имена файлов результатов</source>
        <translation>--check-results: only names of results files are wanted</translation>
    </message>
    <message>
        <source>--level относится к серии задач: нужен --tasks</source>
        <translation>--level belongs to a series of tasks: --tasks is needed</translation>
    </message>
    <message>
        <source>--variants: «%1» — нужно целое число от 1 до %2</source>
        <translation>--variants: “%1”: a whole number from 1 to %2 is needed</translation>
    </message>
    <message>
        <source>--per-sheet: «%1» — нужно целое число от %2 до %3</source>
        <translation>--per-sheet: “%1”: a whole number from %2 to %3 is needed</translation>
    </message>
    <message>
        <source>--level: «%1» — уровень задач: equal, two, mixed или lenses</source>
        <translation>--level: “%1”: the level of tasks is equal, two, mixed or lenses</translation>
    </message>
    <message>
        <source>Уровень серии задач: equal — одинаковые среды, two — две среды, mixed — смешанный, lenses — две линзы.</source>
        <translation>Level of the series: equal — equal media, two — two media, mixed — mixed, lenses — two lenses.</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>LEVEL</translation>
    </message>
    <message>
        <source>С --worksheet и --tasks: столько вариантов (1 … %1), за ними ответы.</source>
        <translation>With --worksheet and --tasks: this many variants (1 … %1), then the answers.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>С --worksheet и --tasks: задач в варианте (%1 … %2).</source>
        <translation>With --worksheet and --tasks: tasks in a variant (%1 … %2).</translation>
    </message>
    <message>
        <source>С --tasks: добавлять каждый ответ в этот файл (CSV) по мере ответов.</source>
        <translation>With --tasks: add each answer to this file (CSV) as it is given.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>--lab и --tasks не открываются вместе</source>
        <translation>--lab and --tasks do not open together</translation>
    </message>
    <message>
        <source>Открыть лабораторную работу: экран, линейка и таблица (с ФАЙЛОМ — на его скамье).</source>
        <translation>Open the laboratory work: screen, ruler and table (with FILE, on its bench).</translation>
    </message>
    <message>
        <source>Проверить файлы результатов, названные аргументами: каждый ответ судится заново по номеру серии; напечатать таблицу класса и выйти. Статус 0 — все строки сходятся, 1 — какая-то не сходится, 2 — файл не прочитан.</source>
        <translation>Check the results files named as arguments: every answer is judged again from its series; print the class table and exit. Status 0: every line agrees, 1: some line does not, 2: a file was not read.</translation>
    </message>
    <message>
        <source>на скамье нет предмета: рабочему листу нечего строить</source>
        <translation>there is no object on the bench: the worksheet has nothing to construct</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Таблица CSV</source>
        <translation>CSV table</translation>
    </message>
    <message>
        <source>Отчёт PDF</source>
        <translation>PDF report</translation>
    </message>
    <message>
        <source>Рисунок PNG</source>
        <translation>PNG picture</translation>
    </message>
    <message>
        <source>Рисунок SVG</source>
        <translation>SVG picture</translation>
    </message>
    <message>
        <source>ответов больше, чем вмещает файл результатов</source>
        <translation>more answers than a results file holds</translation>
    </message>
    <message>
        <source>Документ PDF</source>
        <translation>PDF document</translation>
    </message>
</context>
<context>
    <name>EyeScene</name>
    <message>
        <source>Глаз</source>
        <translation>The eye</translation>
    </message>
    <message>
        <source>очки</source>
        <translation>spectacles</translation>
    </message>
    <message>
        <source>сетчатка</source>
        <translation>retina</translation>
    </message>
    <message>
        <source>дальняя точка</source>
        <translation>far point</translation>
    </message>
    <message>
        <source>ближняя точка</source>
        <translation>near point</translation>
    </message>
    <message>
        <source>Глаз: %1 = %2 дптр, аккомодация %3 из %4 дптр</source>
        <translation>Eye: %1 = %2 D, accommodation %3 of %4 D</translation>
    </message>
    <message>
        <source>Предмет вдали: %1 = 100 м</source>
        <translation>Distant object: %1 = 100 m</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>Изображение на сетчатке: предмет виден резко</source>
        <translation>The image is on the retina: the object is seen sharply</translation>
    </message>
    <message>
        <source>Лучи выходят из глаза расходящимися: изображение далеко за сетчаткой, предмет виден расплывчато</source>
        <translation>The rays diverge inside the eye: the image is far behind the retina, the object is blurred</translation>
    </message>
    <message>
        <source>Изображение перед сетчаткой на %1 мм: предмет дальше дальней точки, виден расплывчато</source>
        <translation>The image is %1 mm in front of the retina: the object is beyond the far point, blurred</translation>
    </message>
    <message>
        <source>Изображение за сетчаткой на %1 мм: предмет ближе ближней точки, виден расплывчато</source>
        <translation>The image is %1 mm behind the retina: the object is nearer than the near point, blurred</translation>
    </message>
    <message>
        <source>бесконечность</source>
        <translation>infinity</translation>
    </message>
    <message>
        <source>%1, за краем стенда</source>
        <translation>%1, beyond the bench</translation>
    </message>
    <message>
        <source>Дальняя точка: %1   Ближняя точка: %2</source>
        <translation>Far point: %1   Near point: %2</translation>
    </message>
    <message>
        <source>Нормальное зрение</source>
        <translation>Normal sight</translation>
    </message>
    <message>
        <source>Близорукость, исправляет линза %1 дптр</source>
        <translation>Short sight, corrected by a %1 D lens</translation>
    </message>
    <message>
        <source>Дальнозоркость, исправляет линза +%1 дптр</source>
        <translation>Long sight, corrected by a +%1 D lens</translation>
    </message>
    <message>
        <source>Очки: %1 = %2 дптр, %3 перед глазом</source>
        <translation>Spectacles: %1 = %2 D, %3 before the eye</translation>
    </message>
    <message>
        <source>Без очков</source>
        <translation>No spectacles</translation>
    </message>
    <message>
        <source>Близорукость</source>
        <translation>Short sight</translation>
    </message>
    <message>
        <source>Дальнозоркость</source>
        <translation>Long sight</translation>
    </message>
    <message>
        <source>Предмет вдали</source>
        <translation>Distant object</translation>
    </message>
    <message>
        <source>Степень близорукости или дальнозоркости…</source>
        <translation>Degree of short or long sight…</translation>
    </message>
    <message>
        <source>Линза, исправляющая зрение, дптр
(близорукость — отрицательная, дальнозоркость — положительная):</source>
        <translation>The lens that corrects the sight, D
(negative for short sight, positive for long sight):</translation>
    </message>
    <message>
        <source>Очки…</source>
        <translation>Spectacles…</translation>
    </message>
    <message>
        <source>Очки</source>
        <translation>Spectacles</translation>
    </message>
    <message>
        <source>Оптическая сила очков, дптр (1,2 см перед глазом):</source>
        <translation>Power of the spectacles, D (1.2 cm before the eye):</translation>
    </message>
    <message>
        <source>Подобрать очки</source>
        <translation>Find spectacles</translation>
    </message>
    <message>
        <source>нет: глаз аккомодирует даже вдаль</source>
        <translation>none: the eye accommodates even for distant objects</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Quellor</source>
        <translation>Quellor</translation>
    </message>
    <message>
        <source>Главная оптическая ось линзы</source>
        <translation>Principal optical axis of the lens</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>2 F</source>
        <translation>2 F</translation>
    </message>
    <message>
        <source>Радиус кривизны поверхностей линзы:</source>
        <translation>Radii of curvature of the lens surfaces:</translation>
    </message>
    <message>
        <source>левая</source>
        <translation>left</translation>
    </message>
    <message>
        <source>правая</source>
        <translation>right</translation>
    </message>
    <message>
        <source>Показатель преломления среды:</source>
        <translation>Refractive index of the medium:</translation>
    </message>
    <message>
        <source>Изменить показатель преломления среды слева</source>
        <translation>Change the refractive index of the medium on the left</translation>
    </message>
    <message>
        <source>Изменить показатель преломления среды справа</source>
        <translation>Change the refractive index of the medium on the right</translation>
    </message>
    <message>
        <source>Показатель преломления линзы:</source>
        <translation>Refractive index of the lens:</translation>
    </message>
    <message>
        <source>Тип линзы:</source>
        <translation>Lens type:</translation>
    </message>
    <message>
        <source>Линза</source>
        <translation>Lens</translation>
    </message>
    <message>
        <source>Схема</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Собирающая линза</source>
        <translation>Converging lens</translation>
    </message>
    <message>
        <source>Рассеивающая линза</source>
        <translation>Diverging lens</translation>
    </message>
    <message>
        <source>Радиус кривизны левой поверхности</source>
        <translation>Radius of curvature of the left surface</translation>
    </message>
    <message>
        <source>Радиус кривизны правой поверхности</source>
        <translation>Radius of curvature of the right surface</translation>
    </message>
    <message>
        <source>Показатель преломления линзы</source>
        <translation>Refractive index of the lens</translation>
    </message>
    <message>
        <source>Среда слева, предмет</source>
        <translation>Medium on the left, object</translation>
    </message>
    <message>
        <source>Среда справа, изображение</source>
        <translation>Medium on the right, image</translation>
    </message>
    <message>
        <source>Плоскость линзы</source>
        <translation>Lens plane</translation>
    </message>
    <message>
        <source>Эмблема</source>
        <translation>Emblem</translation>
    </message>
    <message>
        <source>Левая поверхность линзы</source>
        <translation>Left surface of the lens</translation>
    </message>
    <message>
        <source>Правая поверхность линзы</source>
        <translation>Right surface of the lens</translation>
    </message>
    <message>
        <source>Условное обозначение линзы</source>
        <translation>Lens symbol</translation>
    </message>
    <message>
        <source>Стрелка обозначения линзы «V», левая половина</source>
        <translation>Lens symbol arrowhead “V”, left half</translation>
    </message>
    <message>
        <source>Стрелка обозначения линзы «V», правая половина</source>
        <translation>Lens symbol arrowhead “V”, right half</translation>
    </message>
    <message>
        <source>Стрелка обозначения линзы «Λ», левая половина</source>
        <translation>Lens symbol arrowhead “Λ”, left half</translation>
    </message>
    <message>
        <source>Стрелка обозначения линзы «Λ», правая половина</source>
        <translation>Lens symbol arrowhead “Λ”, right half</translation>
    </message>
    <message>
        <source>Передний фокус F</source>
        <translation>Front focal point F</translation>
    </message>
    <message>
        <source>Точка 2F слева</source>
        <translation>Point 2F on the left</translation>
    </message>
    <message>
        <source>Задний фокус F</source>
        <translation>Back focal point F</translation>
    </message>
    <message>
        <source>Точка 2F справа</source>
        <translation>Point 2F on the right</translation>
    </message>
    <message>
        <source>Поверхность линзы R1</source>
        <translation>Lens surface R1</translation>
    </message>
    <message>
        <source>Поверхность линзы R2</source>
        <translation>Lens surface R2</translation>
    </message>
    <message>
        <source>Штрих стрелки обозначения линзы</source>
        <translation>Stroke of a lens symbol arrowhead</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Копировать рисунок в буфер обмена (Ctrl+C)</source>
        <translation>Copy the picture to the clipboard (Ctrl+C)</translation>
    </message>
    <message>
        <source>Сохранить…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Отметка выбранного типа линзы</source>
        <translation>Mark of the chosen lens type</translation>
    </message>
    <message>
        <source>Фокусные расстояния линзы</source>
        <translation>Focal lengths of the lens</translation>
    </message>
    <message>
        <source>Оптическая сила линзы</source>
        <translation>Optical power of the lens</translation>
    </message>
    <message>
        <source>Расстояния до предмета и изображения, увеличение</source>
        <translation>Distances of object and image, magnification</translation>
    </message>
    <message>
        <source>Вид изображения</source>
        <translation>Kind of image</translation>
    </message>
    <message>
        <source>Радиус кривизны поверхности, ряд «левая»</source>
        <translation>Radius of curvature of the surface, row “left”</translation>
    </message>
    <message>
        <source>Радиус кривизны поверхности, ряд «правая»</source>
        <translation>Radius of curvature of the surface, row “right”</translation>
    </message>
    <message>
        <source>Нет предмета</source>
        <translation>No object</translation>
    </message>
    <message>
        <source>f = ∞   f′ = ∞</source>
        <translation type="vanished">f = ∞   f′ = ∞</translation>
    </message>
    <message>
        <source>f = %1   f′ = %2</source>
        <translation type="vanished">f = %1   f′ = %2</translation>
    </message>
    <message>
        <source>D = %1 дптр</source>
        <translation type="vanished">D = %1 dpt</translation>
    </message>
    <message>
        <source>R = %1</source>
        <translation>R = %1</translation>
    </message>
    <message>
        <source>d = %1</source>
        <translation type="vanished">d = %1</translation>
    </message>
    <message>
        <source>изображения нет: предмет в фокальной плоскости</source>
        <translation>no image: the object is in the focal plane</translation>
    </message>
    <message>
        <source>d = %1   b = %2   Γ = %3</source>
        <translation type="vanished">d = %1   b = %2   Γ = %3</translation>
    </message>
    <message>
        <source>действительное</source>
        <translation>real</translation>
    </message>
    <message>
        <source>мнимое</source>
        <translation>virtual</translation>
    </message>
    <message>
        <source>за краем справа</source>
        <translation>beyond the right edge</translation>
    </message>
    <message>
        <source>за краем слева</source>
        <translation>beyond the left edge</translation>
    </message>
    <message>
        <source>Подписи</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Стрелки предмета и изображения, названия точек (Ctrl+L)</source>
        <translation>Object and image arrows, names of the points (Ctrl+L)</translation>
    </message>
    <message>
        <source>Третий луч</source>
        <translation>Third ray</translation>
    </message>
    <message>
        <source>Луч через передний фокус, параллельный оси после линзы (Ctrl+3)</source>
        <translation>The ray through the front focus, parallel to the axis after the lens (Ctrl+3)</translation>
    </message>
    <message>
        <source>Палитра</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Цвета, различимые при нарушениях цветового зрения (Ctrl+K)</source>
        <translation>Colours told apart with a colour-vision deficiency (Ctrl+K)</translation>
    </message>
    <message>
        <source>за краем сверху</source>
        <translation>beyond the top edge</translation>
    </message>
    <message>
        <source>за краем снизу</source>
        <translation>beyond the bottom edge</translation>
    </message>
    <message>
        <source>Движение</source>
        <translation>Motion</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Экспорт…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Экспортировать рисунок в файл PNG или SVG (Ctrl+E)</source>
        <translation>Export the picture as a PNG or SVG file (Ctrl+E)</translation>
    </message>
    <message>
        <source>Открыть…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Открыть файл урока (Ctrl+O)</source>
        <translation>Open a lesson setup file (Ctrl+O)</translation>
    </message>
    <message>
        <source>Сохранить урок в файл (Ctrl+S; под другим именем Ctrl+Shift+S)</source>
        <translation>Save the lesson setup to a file (Ctrl+S; under another name Ctrl+Shift+S)</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Напечатать рабочий лист: задание и решение (Ctrl+P)</source>
        <translation>Print a worksheet: task and solution (Ctrl+P)</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Справка о программе (F1)</source>
        <translation>Help on the program (F1)</translation>
    </message>
    <message>
        <source>Точное значение</source>
        <translation>Exact value</translation>
    </message>
    <message>
        <source>Щёлкните или нажмите Enter, чтобы ввести точное значение</source>
        <translation>Click or press Enter to type an exact value</translation>
    </message>
    <message>
        <source>см</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Радиус: число сантиметров от %1 до %2, например %3</source>
        <translation>Radius: a number of centimetres from %1 to %2, for example %3</translation>
    </message>
    <message>
        <source>Показатель преломления: число от %1 до %2, например %3</source>
        <translation>Refractive index: a number from %1 to %2, for example %3</translation>
    </message>
    <message>
        <source>ru</source>
        <comment>language of the help pages</comment>
        <translation>en</translation>
    </message>
    <message>
        <source>Справка — Quellor</source>
        <translation>Help — Quellor</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Задача</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Задачи: предскажите изображение или фокус, затем проверьте (Ctrl+T; выход: Esc)</source>
        <translation type="vanished">Tasks: predict the image or the focus, then check it (Ctrl+T; leave: Esc)</translation>
    </message>
    <message>
        <source>Дальше</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Следующая задача (Ctrl+N); уровень: Ctrl+Shift+T или меню кнопки</source>
        <translation>Next task (Ctrl+N); level: Ctrl+Shift+T or the button&apos;s menu</translation>
    </message>
    <message>
        <source>Задача, строка %1</source>
        <translation>Task, line %1</translation>
    </message>
    <message>
        <source>Q u e l l o r</source>
        <translation>Q u e l l o r</translation>
    </message>
    <message>
        <source>Обозначения: %1 (%2). Сменить: Ctrl+Shift+N</source>
        <translation>Notation: %1 (%2). Change: Ctrl+Shift+N</translation>
    </message>
    <message>
        <source>Над скамьёй — расстояния %1 и %2, увеличение %3, вид изображения, фокусное расстояние %4 (в двух средах %4 и %5) и оптическая сила %6.</source>
        <translation>Above the bench: the distances %1 and %2, the magnification %3, the kind of image, the focal length %4 (with two media %4 and %5) and the power %6.</translation>
    </message>
    <message>
        <source>Обозначения: %1. Расстояние от предмета до линзы — %2, от линзы до изображения — %3 (меньше нуля у мнимого изображения), фокусное расстояние — %4 (меньше нуля у рассеивающей линзы).</source>
        <translation>Notation: %1. The object distance is %2, the image distance %3 (negative for a virtual image), the focal length %4 (negative for a diverging lens).</translation>
    </message>
    <message>
        <source>В одной среде формула линзы 1/%3 = 1/%1 + 1/%2, оптическая сила %4 = 1/%3 в диоптриях (%3 в метрах), для линзы в среде n %4 = (N/n − 1)(1/R₁ + 1/R₂).</source>
        <translation>In one medium the lens formula is 1/%3 = 1/%1 + 1/%2 and the power %4 = 1/%3 in dioptres (%3 in metres); for a lens in a medium n, %4 = (N/n − 1)(1/R₁ + 1/R₂).</translation>
    </message>
    <message>
        <source>Увеличение %1 = |%2|/%3 — во сколько раз изображение больше предмета; прямое оно или перевёрнутое, сказано словами.</source>
        <translation>The magnification %1 = |%2|/%3 is how many times the image is larger than the object; upright or inverted is said in words.</translation>
    </message>
    <message>
        <source>Увеличение %1 = −(n1·%2)/(n2·%3) со знаком: больше нуля — изображение прямое, меньше — перевёрнутое.</source>
        <translation>The magnification %1 = −(n1·%2)/(n2·%3) carries a sign: positive for an upright image, negative for an inverted one.</translation>
    </message>
    <message>
        <source>от %1 до %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>Щёлкните или нажмите Enter, чтобы ввести фокусное расстояние: обе поверхности получат равные радиусы, показатели преломления останутся (при разных средах — переднее фокусное расстояние)</source>
        <translation>Click or press Enter to type a focal length: both surfaces get equal radii, the refractive indices stay (with different media, the front focal length)</translation>
    </message>
    <message>
        <source>При этих показателях преломления линза не преломляет лучи: фокусное расстояние бесконечно</source>
        <translation>With these refractive indices the lens does not refract: the focal length is infinite</translation>
    </message>
    <message>
        <source>Фокусное расстояние при этих показателях преломления: %1 см</source>
        <translation>Focal length with these refractive indices: %1 cm</translation>
    </message>
    <message>
        <source> или </source>
        <translation> or </translation>
    </message>
    <message>
        <source>Опыт</source>
        <translation>Lab</translation>
    </message>
    <message>
        <source>Лабораторная работа: поймайте изображение на экран и измерьте фокусное расстояние (Ctrl+B; выход: Esc)</source>
        <translation>Laboratory work: catch the image on the screen and measure the focal length (Ctrl+B; leave: Esc)</translation>
    </message>
    <message>
        <source>Среды по сторонам линзы могут быть разными (например, вода слева и воздух справа). Тогда у линзы два фокусных расстояния: переднее %1 = n1/P и заднее %2 = n2/P, где P — оптическая сила, и изображение находится из n1/%3 + n2/%4 = P, то есть %1/%3 + %2/%4 = 1; оптическая сила %5 = n1/%1 = n2/%2. В одной среде %1 = %2.</source>
        <translation>The media on the two sides may differ (water on the left, air on the right). The lens then has two focal lengths: the front one %1 = n1/P and the back one %2 = n2/P, P being its power, and the image follows from n1/%3 + n2/%4 = P, that is %1/%3 + %2/%4 = 1; the power is %5 = n1/%1 = n2/%2. In one medium %1 = %2.</translation>
    </message>
    <message>
        <source>Задачи: предскажите изображение или фокус, затем проверьте (Ctrl+T; выход: Esc; имя и результаты — в меню кнопки)</source>
        <translation>Tasks: predict the image or the focus, then check it (Ctrl+T; leave: Esc; name and results on the button&apos;s menu)</translation>
    </message>
    <message>
        <source>Щёлкните или нажмите Enter, чтобы ввести расстояние до предмета и его высоту h</source>
        <translation>Click or press Enter to type the object&apos;s distance and its height h</translation>
    </message>
    <message>
        <source>Предмет: %1 = расстояние до линзы в сантиметрах, больше 0 и до %2, h = высота от %3 до %4, например «%1 = 15 h = 2»</source>
        <translation>Object: %1 = its distance from the lens in centimetres, above 0 and up to %2; h = its height from %3 to %4; for example “%1 = 15 h = 2”</translation>
    </message>
    <message>
        <source>%1 = %2 см не даёт ни один показатель преломления линзы N: выберите другой масштаб</source>
        <translation>No lens index N gives %1 = %2 cm: choose another scale</translation>
    </message>
    <message>
        <source>%1 = %2 см даёт показатель преломления линзы N %3</source>
        <translation>%1 = %2 cm is given by a lens index N %3</translation>
    </message>
    <message>
        <source>Система</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Оптическая система: вторая линза за первой (Ctrl+2; выход: Esc; значения — в меню кнопки или двойным щелчком по линзе)</source>
        <translation>Optical system: a second lens behind the first (Ctrl+2; leave: Esc; values in the button&apos;s menu or by a double-click on the lens)</translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source>Quellor — график b(d) и Γ(d)</source>
        <translation type="vanished">Quellor — graph of b(d) and Γ(d)</translation>
    </message>
    <message>
        <source>d &gt; 2f</source>
        <translation type="vanished">d &gt; 2f</translation>
    </message>
    <message>
        <source>f &lt; d &lt; 2f</source>
        <translation type="vanished">f &lt; d &lt; 2f</translation>
    </message>
    <message>
        <source>d &lt; f</source>
        <translation type="vanished">d &lt; f</translation>
    </message>
    <message>
        <source>мнимое, уменьшенное</source>
        <translation>virtual, diminished</translation>
    </message>
    <message>
        <source>измерения</source>
        <translation>measurements</translation>
    </message>
    <message>
        <source>предмет</source>
        <translation>object</translation>
    </message>
    <message>
        <source>Отдельное окно</source>
        <translation>Own window</translation>
    </message>
    <message>
        <source>Вернуть к скамье</source>
        <translation>Back beside the bench</translation>
    </message>
    <message>
        <source>График в отдельном окне, например на втором экране; нажать снова, чтобы вернуть его к скамье</source>
        <translation>The graph in a window of its own, for instance on a second screen; press again to bring it back beside the bench</translation>
    </message>
    <message>
        <source>d, см</source>
        <translation type="vanished">d, cm</translation>
    </message>
    <message>
        <source>b, см</source>
        <translation type="vanished">b, cm</translation>
    </message>
    <message>
        <source>Γ</source>
        <translation type="vanished">Γ</translation>
    </message>
    <message>
        <source>Расстояние до изображения b(d)</source>
        <translation type="vanished">Image distance b(d)</translation>
    </message>
    <message>
        <source>Увеличение Γ(d)</source>
        <translation type="vanished">Magnification Γ(d)</translation>
    </message>
    <message>
        <source>b(d)</source>
        <translation type="vanished">b(d)</translation>
    </message>
    <message>
        <source>Γ(d)</source>
        <translation type="vanished">Γ(d)</translation>
    </message>
    <message>
        <source>d = f</source>
        <translation type="vanished">d = f</translation>
    </message>
    <message>
        <source>b = f′</source>
        <translation type="vanished">b = f′</translation>
    </message>
    <message>
        <source>Расстояние до изображения %1</source>
        <translation>Image distance %1</translation>
    </message>
    <message>
        <source>Увеличение %1</source>
        <translation>Magnification %1</translation>
    </message>
    <message>
        <source>Quellor — график %1 и %2</source>
        <translation>Quellor — graph of %1 and %2</translation>
    </message>
    <message>
        <source>A₂B₂ на бесконечности</source>
        <translation>A₂B₂ at infinity</translation>
    </message>
    <message>
        <source>предмет на бесконечности</source>
        <translation>object at infinity</translation>
    </message>
</context>
<context>
    <name>InstrumentScenes</name>
    <message>
        <source>изображение перевёрнутое</source>
        <translation>image inverted</translation>
    </message>
    <message>
        <source>изображение прямое</source>
        <translation>image upright</translation>
    </message>
    <message>
        <source>Лупа</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>лупа</source>
        <translation>magnifier</translation>
    </message>
    <message>
        <source>глаз</source>
        <translation>eye</translation>
    </message>
    <message>
        <source>%1 — угол зрения с лупой к углу без неё с 25 см</source>
        <translation>%1: the angle the image is seen under over that of the object seen from 25 cm</translation>
    </message>
    <message>
        <source>Предмет в фокусе: лучи выходят параллельно, изображение на бесконечности, глаз не напрягается</source>
        <translation>The object in the focal plane: the light leaves parallel, the image at infinity, the eye relaxed</translation>
    </message>
    <message>
        <source>Изображение: %1, в %2 перед лупой (расстояние наилучшего зрения)</source>
        <translation>Image: %1, %2 before the magnifier (the near point)</translation>
    </message>
    <message>
        <source>Изображение в 25 см от глаза</source>
        <translation>Image 25 cm from the eye</translation>
    </message>
    <message>
        <source>Изображение на бесконечности (глаз не напрягается)</source>
        <translation>Image at infinity (the eye relaxed)</translation>
    </message>
    <message>
        <source>Проектор</source>
        <translation>Projector</translation>
    </message>
    <message>
        <source>Фотоаппарат</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>объектив</source>
        <translation>objective</translation>
    </message>
    <message>
        <source>экран</source>
        <translation>screen</translation>
    </message>
    <message>
        <source>плёнка</source>
        <translation>film</translation>
    </message>
    <message>
        <source>действительного изображения нет</source>
        <translation>no real image</translation>
    </message>
    <message>
        <source>Предмет не дальше фокуса: действительного изображения нет, на экране его не получить</source>
        <translation>The object not beyond the focus: there is no real image to catch on a screen</translation>
    </message>
    <message>
        <source>Экран в %1 за линзой: изображение резкое, высотой %2, %3</source>
        <translation>Screen %1 behind the lens: the image sharp, %2 high, %3</translation>
    </message>
    <message>
        <source>Экран в %1 за линзой: изображение нерезкое, каждая точка — пятно %2; резкое — в %3</source>
        <translation>Screen %1 behind the lens: the image blurred, each point a spot %2 across; sharp at %3</translation>
    </message>
    <message>
        <source>Настоящий проектор: %1 = %2, кадр %3, экран в %4 — изображение %5</source>
        <translation>A real projector: %1 = %2, a slide %3 high, the screen %4 away: the image %5 high</translation>
    </message>
    <message>
        <source>Настоящий фотоаппарат: %1 = %2, человек %3 в %4 — на плёнке %5</source>
        <translation>A real camera: %1 = %2, a person %3 tall %4 away: %5 on the film</translation>
    </message>
    <message>
        <source>Экран — туда, где изображение резкое</source>
        <translation>Screen to the sharp image</translation>
    </message>
    <message>
        <source>Микроскоп</source>
        <translation>Microscope</translation>
    </message>
    <message>
        <source>окуляр</source>
        <translation>eyepiece</translation>
    </message>
    <message>
        <source>оптическая длина тубуса Δ = %1</source>
        <translation>optical tube length Δ = %1</translation>
    </message>
    <message>
        <source>оценка Δ·25/(%1·%2) = %3</source>
        <translation>estimate Δ·25/(%1·%2) = %3</translation>
    </message>
    <message>
        <source>A₁B₁: %1, %2</source>
        <translation>A₁B₁: %1, %2</translation>
    </message>
    <message>
        <source>A₂B₂: %1, в %2 перед окуляром</source>
        <translation>A₂B₂: %1, %2 before the eyepiece</translation>
    </message>
    <message>
        <source>Труба Галилея</source>
        <translation>Galilean telescope</translation>
    </message>
    <message>
        <source>Труба Кеплера</source>
        <translation>Kepler telescope</translation>
    </message>
    <message>
        <source>отношение углов; %1 = %2</source>
        <translation>the ratio of the angles; %1 = %2</translation>
    </message>
    <message>
        <source>Параллельный пучок входит под углом %1 и выходит параллельным под углом %2</source>
        <translation>A parallel pencil enters at %1 and leaves parallel at %2</translation>
    </message>
</context>
<context>
    <name>LabMode</name>
    <message>
        <source>Таблица лабораторной работы</source>
        <translation>Table of the laboratory work</translation>
    </message>
    <message>
        <source>Линейка, см от линзы</source>
        <translation>Ruler, cm from the lens</translation>
    </message>
    <message>
        <source>Экран: вид спереди</source>
        <translation>Screen, seen face-on</translation>
    </message>
    <message>
        <source>Изображения на экране нет: лучи после линзы расходятся</source>
        <translation>No image on the screen: the rays spread out after the lens</translation>
    </message>
    <message>
        <source>Лабораторная работа. Двигайте экран (справа) до резкого изображения, предмет — слева; Ctrl+R — записать, Esc — выйти.</source>
        <translation>Laboratory work. Move the screen (right) until the image is sharp, the object on the left; Ctrl+R records, Esc leaves.</translation>
    </message>
    <message>
        <source>Сохранить лабораторную работу</source>
        <translation>Save the laboratory work</translation>
    </message>
    <message>
        <source>лабораторная.pdf</source>
        <translation>laboratory.pdf</translation>
    </message>
    <message>
        <source>Работа не сохранена</source>
        <translation>Work not saved</translation>
    </message>
    <message>
        <source>Показать или скрыть построение (учителю), Ctrl+Shift+B</source>
        <translation>Show or hide the construction (for the teacher), Ctrl+Shift+B</translation>
    </message>
    <message>
        <source>Сохранить отчёт или таблицу…, Ctrl+Shift+R</source>
        <translation type="vanished">Save the report or the table…, Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>Сохранить отчёт или таблицу…, Ctrl+Shift+L</source>
        <translation>Save the report or the table…, Ctrl+Shift+L</translation>
    </message>
    <message>
        <source>Очистить таблицу</source>
        <translation>Clear the table</translation>
    </message>
    <message>
        <source>Удалить все строки таблицы (%1)?</source>
        <translation>Delete all rows of the table (%1)?</translation>
    </message>
    <message>
        <source>Удалить строку</source>
        <translation>Delete row</translation>
    </message>
    <message>
        <source>Очистить таблицу…</source>
        <translation>Clear the table…</translation>
    </message>
    <message>
        <source>Лабораторная работа</source>
        <translation>Laboratory work</translation>
    </message>
    <message>
        <source>Строки таблицы (%1) измерены с другой линзой: среднее по ним и по новым было бы неверным. Сохранить их, прежде чем начать таблицу заново?</source>
        <translation>The rows of the table (%1) were measured with another lens: a mean of them and new ones would be wrong. Save them before the table is begun anew?</translation>
    </message>
    <message>
        <source>Строки таблицы</source>
        <translation>Rows of the table</translation>
    </message>
    <message>
        <source>Двигайте экран (справа) до резкого изображения, предмет — слева; Ctrl+R — записать, Ctrl+Shift+L — сохранить отчёт.</source>
        <translation>Move the screen (right) until the image is sharp, the object on the left; Ctrl+R records, Ctrl+Shift+L saves the report.</translation>
    </message>
    <message>
        <source>Фамилия, имя, класс:</source>
        <translation>Surname, name, class:</translation>
    </message>
</context>
<context>
    <name>LabReport</name>
    <message>
        <source>Отчёт о лабораторной работе</source>
        <translation>Report of the laboratory work</translation>
    </message>
    <message>
        <source>не удалось нарисовать отчёт</source>
        <translation>the report could not be drawn</translation>
    </message>
    <message>
        <source>Лабораторная работа «Определение фокусного расстояния и оптической силы собирающей линзы»</source>
        <translation>Laboratory work “Measuring the focal length and the optical power of a converging lens”</translation>
    </message>
    <message>
        <source>Цель: определить фокусное расстояние %1 и оптическую силу D собирающей линзы.</source>
        <translation type="vanished">Aim: to measure the focal length %1 and the optical power D of a converging lens.</translation>
    </message>
    <message>
        <source>Оборудование: собирающая линза, предмет (свеча), экран, линейка с миллиметровыми делениями.</source>
        <translation>Equipment: a converging lens, an object (a candle), a screen, a ruler with millimetre divisions.</translation>
    </message>
    <message>
        <source>и ещё строк: %1</source>
        <translation>and %1 more rows</translation>
    </message>
    <message>
        <source>Вычисления</source>
        <translation>Computation</translation>
    </message>
    <message>
        <source>Нет ни одной строки с резким изображением: фокусное расстояние не вычислено.</source>
        <translation>No row holds a sharp image: the focal length is not computed.</translation>
    </message>
    <message>
        <source>Получение изображений</source>
        <translation>Forming images</translation>
    </message>
    <message>
        <source>Цель: определить фокусное расстояние %1 и оптическую силу %2 собирающей линзы.</source>
        <translation>Aim: to measure the focal length %1 and the optical power %2 of a converging lens.</translation>
    </message>
    <message>
        <source>Выполнил(а) (фамилия, имя, класс): %1    Дата: %2</source>
        <translation>Done by (surname, name, class): %1    Date: %2</translation>
    </message>
</context>
<context>
    <name>LabWords</name>
    <message>
        <source>см</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>изображение на экране</source>
        <translation>image on the screen</translation>
    </message>
    <message>
        <source>предмет дальше 2%1</source>
        <translation>object beyond 2%1</translation>
    </message>
    <message>
        <source>предмет между %1 и 2%1</source>
        <translation>object between %1 and 2%1</translation>
    </message>
    <message>
        <source>предмет ближе %1</source>
        <translation>object inside %1</translation>
    </message>
    <message>
        <source>резкого изображения нет</source>
        <translation>no sharp image</translation>
    </message>
    <message>
        <source>%1 = %2·%3 / (%2 + %3) в каждой строке; %1ср = %4%5 (строк с изображением: %6)</source>
        <translation type="vanished">%1 = %2·%3 / (%2 + %3) in each row; mean %1 = %4%5 (rows with an image: %6)</translation>
    </message>
    <message>
        <source>Δ%1сл = %2%5 (среднее |%1i − %1ср|), Δ%1и = %3%5 (половина деления: %4%5), Δ%1 = %6%5, ε = %7 %</source>
        <translation>Δ%1 random = %2%5 (mean |%1i − mean %1|), Δ%1 instrument = %3%5 (half a division: %4%5), Δ%1 = %6%5, ε = %7 %</translation>
    </message>
    <message>
        <source>D = 1/%1 = %2 дптр</source>
        <translation type="vanished">D = 1/%1 = %2 dpt</translation>
    </message>
    <message>
        <source>Ответ: %1 = (%2 ± %3) %4</source>
        <translation type="vanished">Answer: %1 = (%2 ± %3) %4</translation>
    </message>
    <message>
        <source>не получено</source>
        <translation>not formed</translation>
    </message>
    <message>
        <source>не исследовано</source>
        <translation>not tried</translation>
    </message>
    <message>
        <source>D = n1/%1 = n2/%2 = %3 дптр</source>
        <translation type="vanished">D = n1/%1 = n2/%2 = %3 dpt</translation>
    </message>
    <message>
        <source>D = n1/%1 = %2 дптр</source>
        <translation type="vanished">D = n1/%1 = %2 dpt</translation>
    </message>
    <message>
        <source>Ответ: %1</source>
        <translation>Answer: %1</translation>
    </message>
    <message>
        <source>%1ср = %2</source>
        <translation>mean %1 = %2</translation>
    </message>
    <message>
        <source>%1 в каждой строке; %2 (строк с изображением: %3)</source>
        <translation>%1 in each row; %2 (rows with an image: %3)</translation>
    </message>
    <message>
        <source>%1 = 1/%2 = %3 дптр</source>
        <translation>%1 = 1/%2 = %3 D</translation>
    </message>
    <message>
        <source>%1 = n1/%2 = n2/%3 = %4 дптр</source>
        <translation type="vanished">%1 = n1/%2 = n2/%3 = %4 dpt</translation>
    </message>
    <message>
        <source>%1 = n1/%2 = %3 дптр</source>
        <translation>%1 = n1/%2 = %3 D</translation>
    </message>
</context>
<context>
    <name>LessonFile</name>
    <message>
        <source>Урок Quellor (*.quellor)</source>
        <translation>Quellor lesson (*.quellor)</translation>
    </message>
    <message>
        <source>Открыть урок</source>
        <translation>Open lesson</translation>
    </message>
    <message>
        <source>Урок не открыт</source>
        <translation>Lesson not opened</translation>
    </message>
    <message>
        <source>Не удалось открыть файл «%1»:
%2</source>
        <translation>Could not open the file “%1”:
%2</translation>
    </message>
    <message>
        <source>Сохранить урок</source>
        <translation>Save lesson</translation>
    </message>
    <message>
        <source>урок.quellor</source>
        <translation>lesson.quellor</translation>
    </message>
    <message>
        <source>Урок не сохранён</source>
        <translation>Lesson not saved</translation>
    </message>
    <message>
        <source>%1[*] — Quellor</source>
        <translation>%1[*] — Quellor</translation>
    </message>
    <message>
        <source>Quellor[*]</source>
        <translation>Quellor[*]</translation>
    </message>
    <message>
        <source>Quellor</source>
        <translation>Quellor</translation>
    </message>
    <message>
        <source>Несохранённые изменения</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>Урок изменён и не сохранён. Сохранить его?</source>
        <translation>The lesson has changed and is not saved. Save it?</translation>
    </message>
    <message>
        <source>Урок «%1» изменён. Сохранить изменения?</source>
        <translation>The lesson “%1” has changed. Save the changes?</translation>
    </message>
    <message>
        <source>значения сцены «%1» не согласуются друг с другом</source>
        <translation>the values of the scene “%1” do not fit together</translation>
    </message>
</context>
<context>
    <name>LessonTools</name>
    <message>
        <source>%1 см/с</source>
        <translation>%1 cm/s</translation>
    </message>
    <message>
        <source>Скорость %1</source>
        <translation>Speed %1</translation>
    </message>
    <message>
        <source>График b(d) и Γ(d) с таблицей измерений (Ctrl+G)</source>
        <translation type="vanished">Graph of b(d) and Γ(d) with the table of measurements (Ctrl+G)</translation>
    </message>
    <message>
        <source>Записать d, b, Γ в таблицу измерений (Ctrl+R)</source>
        <translation type="vanished">Record d, b, Γ in the table of measurements (Ctrl+R)</translation>
    </message>
    <message>
        <source>Предмет движется к линзе и обратно (Ctrl+M); скорость %1, сменить: Ctrl+Shift+M</source>
        <translation>The object moves towards the lens and back (Ctrl+M); speed %1, change: Ctrl+Shift+M</translation>
    </message>
    <message>
        <source>Quellor — график b(d) и Γ(d)</source>
        <translation type="vanished">Quellor — graph of b(d) and Γ(d)</translation>
    </message>
    <message>
        <source>График %1 и %2 с таблицей измерений (Ctrl+G)</source>
        <translation>Graph of %1 and %2 with the table of measurements (Ctrl+G)</translation>
    </message>
    <message>
        <source>Записать %1, %2, %3 в таблицу измерений (Ctrl+R)</source>
        <translation>Record %1, %2, %3 in the table of measurements (Ctrl+R)</translation>
    </message>
</context>
<context>
    <name>MeasurementTable</name>
    <message>
        <source>d, см</source>
        <translation type="vanished">d, cm</translation>
    </message>
    <message>
        <source>b, см</source>
        <translation type="vanished">b, cm</translation>
    </message>
    <message>
        <source>Γ</source>
        <translation type="vanished">Γ</translation>
    </message>
    <message>
        <source>Изображение</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>f, см</source>
        <translation type="vanished">f, cm</translation>
    </message>
    <message>
        <source>f′, см</source>
        <translation type="vanished">f′, cm</translation>
    </message>
    <message>
        <source>D, дптр</source>
        <translation type="vanished">D, dpt</translation>
    </message>
    <message>
        <source>действительное</source>
        <translation>real</translation>
    </message>
    <message>
        <source>мнимое</source>
        <translation>virtual</translation>
    </message>
    <message>
        <source>изображения нет</source>
        <translation>no image</translation>
    </message>
    <message>
        <source>Таблица измерений</source>
        <translation>Table of measurements</translation>
    </message>
    <message>
        <source>Удалить строку</source>
        <translation>Delete row</translation>
    </message>
    <message>
        <source>Удалить выбранную строку таблицы (Delete)</source>
        <translation>Delete the selected row of the table (Delete)</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Удалить все строки таблицы</source>
        <translation>Delete all rows of the table</translation>
    </message>
    <message>
        <source>Сохранить CSV…</source>
        <translation>Save CSV…</translation>
    </message>
    <message>
        <source>Сохранить таблицу в файл CSV для электронной таблицы</source>
        <translation>Save the table as a CSV file for a spreadsheet</translation>
    </message>
    <message>
        <source>Сохранить таблицу измерений</source>
        <translation>Save the table of measurements</translation>
    </message>
    <message>
        <source>измерения.csv</source>
        <translation>measurements.csv</translation>
    </message>
    <message>
        <source>Таблица не сохранена</source>
        <translation>Table not saved</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>При таком масштабе экрана это окно на нём не помещается.</source>
        <translation>At this screen scale the window does not fit on the screen.</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don’t Save</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>нет окна, чей рисунок записать</source>
        <translation>no window to take the picture from</translation>
    </message>
    <message>
        <source>Рисунок не сохранён</source>
        <translation>Picture not saved</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save picture</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>ru_RU</source>
        <translation>en_US</translation>
    </message>
    <message>
        <source>%1 см</source>
        <translation>%1 cm</translation>
    </message>
    <message>
        <source>действительное</source>
        <translation>real</translation>
    </message>
    <message>
        <source>мнимое</source>
        <translation>virtual</translation>
    </message>
    <message>
        <source>прямое</source>
        <translation>upright</translation>
    </message>
    <message>
        <source>перевёрнутое</source>
        <translation>inverted</translation>
    </message>
    <message>
        <source>равное</source>
        <translation>same size</translation>
    </message>
    <message>
        <source>увеличенное</source>
        <translation>enlarged</translation>
    </message>
    <message>
        <source>уменьшенное</source>
        <translation>diminished</translation>
    </message>
    <message>
        <source>английский учебник</source>
        <translation>UK school</translation>
    </message>
    <message>
        <source>со знаками (Гаусс)</source>
        <translation>signed (Gaussian)</translation>
    </message>
    <message>
        <source>российский учебник</source>
        <translation>Russian school</translation>
    </message>
    <message>
        <source>%1 = %2 дптр</source>
        <translation>%1 = %2 D</translation>
    </message>
    <message>
        <source>%1 = 1/%2 = (N/n − 1)(1/R₁ + 1/R₂): линза в одной среде n, %2 в метрах</source>
        <translation>%1 = 1/%2 = (N/n − 1)(1/R₁ + 1/R₂): the lens in one medium n, %2 in metres</translation>
    </message>
    <message>
        <source>%1 = n₁/%2 = n₂/%3: среды по сторонам линзы разные, %2 и %3 в метрах</source>
        <translation type="vanished">%1 = n₁/%2 = n₂/%3: different media on the two sides, %2 and %3 in metres</translation>
    </message>
    <message>
        <source>%1 = n₁/%2 = n₂/%3 = (N − n₁)/R₁ − (N − n₂)/R₂: оптическая сила со знаком, %2 и %3 в метрах</source>
        <translation>%1 = n₁/%2 = n₂/%3 = (N − n₁)/R₁ − (N − n₂)/R₂: the signed power, %2 and %3 in metres</translation>
    </message>
    <message>
        <source>%1, см</source>
        <translation>%1, cm</translation>
    </message>
    <message>
        <source>Масштаб 1 : %1</source>
        <translation>Scale 1 : %1</translation>
    </message>
    <message>
        <source>d = %1   b = %2   f = %3   f′ = %4   Γ = %5</source>
        <translation type="vanished">d = %1   b = %2   f = %3   f′ = %4   Γ = %5</translation>
    </message>
    <message>
        <source>%1, дптр</source>
        <translation>%1, D</translation>
    </message>
    <message>
        <source>%1 = 1/%2: среды по сторонам линзы разные, %2 — фокусное расстояние перед линзой (в среде n₁), %3 = (n₂/n₁)·%2, %2 в метрах</source>
        <translation>%1 = 1/%2: different media on the two sides, %2 the focal length before the lens (in medium n₁), %3 = (n₂/n₁)·%2, %2 in metres</translation>
    </message>
</context>
<context>
    <name>ResultSheetDialog</name>
    <message>
        <source>Результаты</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Фамилия, имя, класс:</source>
        <translation>Surname, name, class:</translation>
    </message>
    <message>
        <source>Серия</source>
        <translation type="vanished">Series</translation>
    </message>
    <message>
        <source>Задача</source>
        <translation type="vanished">Task</translation>
    </message>
    <message>
        <source>От верной точки</source>
        <translation type="vanished">From the true point</translation>
    </message>
    <message>
        <source>Вердикт</source>
        <translation type="vanished">Verdict</translation>
    </message>
    <message>
        <source>Время, с</source>
        <translation type="vanished">Time, s</translation>
    </message>
    <message>
        <source>Сохранить CSV…</source>
        <translation type="vanished">Save CSV…</translation>
    </message>
    <message>
        <source>Сохранить PDF…</source>
        <translation type="vanished">Save PDF…</translation>
    </message>
    <message>
        <source>засчитано</source>
        <translation type="vanished">counted</translation>
    </message>
    <message>
        <source>не засчитано</source>
        <translation type="vanished">not counted</translation>
    </message>
    <message>
        <source>Засчитано %1 из %2</source>
        <translation type="vanished">Counted: %1 of %2</translation>
    </message>
    <message>
        <source>Сохранить результаты</source>
        <translation>Save the results</translation>
    </message>
    <message>
        <source>результаты.csv</source>
        <translation>results.csv</translation>
    </message>
    <message>
        <source>Результаты не сохранены</source>
        <translation>The results were not saved</translation>
    </message>
    <message>
        <source>результаты.pdf</source>
        <translation type="vanished">results.pdf</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation type="vanished">PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Результаты: %1</source>
        <translation type="vanished">Results: %1</translation>
    </message>
    <message>
        <source>без имени</source>
        <translation type="vanished">no name</translation>
    </message>
    <message>
        <source>Ваша точка</source>
        <translation type="vanished">Your point</translation>
    </message>
    <message>
        <source>Верная точка</source>
        <translation type="vanished">True point</translation>
    </message>
    <message>
        <source>%1; %2 см</source>
        <translation type="vanished">%1; %2 cm</translation>
    </message>
    <message>
        <source>не удалось нарисовать страницу</source>
        <translation type="vanished">the page could not be drawn</translation>
    </message>
    <message>
        <source>Точки — в сантиметрах от центра линзы O: вправо и вверх со знаком плюс.</source>
        <translation type="vanished">Points in centimetres from the lens centre O: right and up positive.</translation>
    </message>
    <message>
        <source>Сохранить %1…</source>
        <translation>Save %1…</translation>
    </message>
    <message>
        <source>результаты.%1</source>
        <translation>results.%1</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>файл слишком велик для файла результатов</source>
        <translation>the file is too large for a results file</translation>
    </message>
    <message>
        <source>это не текст UTF-8</source>
        <translation>not UTF-8 text</translation>
    </message>
    <message>
        <source>первая строка — не заголовок файла результатов Quellor</source>
        <translation>the first line is not the header of a Quellor results file</translation>
    </message>
    <message>
        <source>строка %1: нужно %2 полей через запятую</source>
        <translation>line %1: %2 fields separated by commas are needed</translation>
    </message>
    <message>
        <source>строка %1: неверное поле «%2»</source>
        <translation>line %1: the field “%2” is wrong</translation>
    </message>
    <message>
        <source>В имени не может быть управляющих и невидимых знаков (перевод строки, табуляция, мягкий перенос, знаки направления письма, пробел нулевой ширины).</source>
        <translation>A name cannot hold control or invisible characters (a line break, a tab, a soft hyphen, direction marks, a zero-width space).</translation>
    </message>
    <message>
        <source>Имя длиннее %1 знаков.</source>
        <translation>The name is longer than %1 characters.</translation>
    </message>
    <message>
        <source>файл записан прежней версией Quellor, с верными точками; начните новый файл</source>
        <translation>the file was written by an earlier Quellor, with the true points; start a new file</translation>
    </message>
    <message>
        <source>символические ссылки образуют кольцо</source>
        <translation>the symbolic links go round in a circle</translation>
    </message>
    <message>
        <source>ссылка ведёт к файлу, которого нет</source>
        <translation>the link leads to a file that does not exist</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>файл защищён от записи</source>
        <translation>the file is write-protected</translation>
    </message>
    <message>
        <source>такой папки нет</source>
        <translation>there is no such folder</translation>
    </message>
    <message>
        <source>нет прав на запись в эту папку</source>
        <translation>no permission to write in this folder</translation>
    </message>
    <message>
        <source>ответ не подходит для файла результатов</source>
        <translation>the answer does not fit a results file</translation>
    </message>
    <message>
        <source>файл занят другой программой</source>
        <translation>another program holds the file</translation>
    </message>
    <message>
        <source>причина неизвестна</source>
        <translation>reason unknown</translation>
    </message>
    <message>
        <source>файл результатов полон (%1 МиБ): начните новый файл</source>
        <translation>the results file is full (%1 MiB): start a new file</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>%1; %2 см</source>
        <translation>%1; %2 cm</translation>
    </message>
    <message>
        <source>без имени</source>
        <translation>no name</translation>
    </message>
    <message>
        <source>Результаты</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Результаты: %1</source>
        <translation>Results: %1</translation>
    </message>
    <message>
        <source>не удалось нарисовать страницу</source>
        <translation>the page could not be drawn</translation>
    </message>
    <message>
        <source>Серия</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Задача</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Ваша точка</source>
        <translation>Your point</translation>
    </message>
    <message>
        <source>Верная точка</source>
        <translation>True point</translation>
    </message>
    <message>
        <source>От верной точки</source>
        <translation>From the true point</translation>
    </message>
    <message>
        <source>Вердикт</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Время, с</source>
        <translation>Time, s</translation>
    </message>
    <message>
        <source>Точки — в сантиметрах от центра линзы O: вправо и вверх со знаком плюс.</source>
        <translation>Points in centimetres from the lens centre O: right and up positive.</translation>
    </message>
    <message>
        <source>засчитано</source>
        <translation>counted</translation>
    </message>
    <message>
        <source>не засчитано</source>
        <translation>not counted</translation>
    </message>
    <message>
        <source>Засчитано %1 из %2</source>
        <translation>Counted: %1 of %2</translation>
    </message>
</context>
<context>
    <name>SafeRead</name>
    <message>
        <source>файл не найден</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>символические ссылки на файл образуют кольцо</source>
        <translation>the symbolic links to the file form a loop</translation>
    </message>
    <message>
        <source>нет прав на чтение этого файла</source>
        <translation>no permission to read this file</translation>
    </message>
    <message>
        <source>файл не читается: %1</source>
        <translation>the file cannot be read: %1</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>not a regular file</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>на диске нет места</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>исчерпана дисковая квота</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>файл больше, чем здесь разрешено (предел размера файла на диске или в системе)</source>
        <translation>the file is larger than allowed here (a file-size limit of the disk or the system)</translation>
    </message>
    <message>
        <source>нет прав на запись в эту папку</source>
        <translation>no permission to write in this folder</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>такой папки нет</source>
        <translation>there is no such folder</translation>
    </message>
    <message>
        <source>слишком длинное имя файла</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода (носитель извлечён или повреждён?)</source>
        <translation>input/output error (was the medium removed, or is it damaged?)</translation>
    </message>
    <message>
        <source>причина неизвестна</source>
        <translation>reason unknown</translation>
    </message>
    <message>
        <source>сообщение системы: %1</source>
        <translation>the system says: %1</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2. Прежний файл, если он был, не изменён.</source>
        <translation>Could not write the file “%1”: %2. The old file, if there was one, is unchanged.</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>это не обычный файл (устройство, канал или сокет), его нельзя заменить рисунком</source>
        <translation>it is not a regular file (a device, a pipe or a socket) and cannot be replaced by a picture</translation>
    </message>
    <message>
        <source>символические ссылки образуют кольцо, это не обычный файл</source>
        <translation>the symbolic links form a loop; it is not a regular file</translation>
    </message>
    <message>
        <source>файл защищён от записи</source>
        <translation>the file is write-protected</translation>
    </message>
</context>
<context>
    <name>SaveName</name>
    <message>
        <source>Файл «%1» уже есть. Заменить его?</source>
        <translation>The file “%1” already exists. Replace it?</translation>
    </message>
</context>
<context>
    <name>SceneMode</name>
    <message>
        <source>Глаз крупным планом</source>
        <translation>The eye, close up</translation>
    </message>
    <message>
        <source>Глаз, ×%1</source>
        <translation>The eye, ×%1</translation>
    </message>
</context>
<context>
    <name>SecondLensDialog</name>
    <message>
        <source>Вторая линза</source>
        <translation>Second lens</translation>
    </message>
    <message>
        <source>Расстояние от первой линзы</source>
        <translation>Distance from the first lens</translation>
    </message>
    <message>
        <source>Расстояние от первой линзы, см (0 — вплотную):</source>
        <translation>Distance from the first lens, cm (0: in contact):</translation>
    </message>
    <message>
        <source>фокусным расстоянием %1</source>
        <translation>its focal length %1</translation>
    </message>
    <message>
        <source>стеклом и радиусами</source>
        <translation>its glass and radii</translation>
    </message>
    <message>
        <source>Линза задана:</source>
        <translation>Lens given by:</translation>
    </message>
    <message>
        <source>двояковыпуклая</source>
        <translation>biconvex</translation>
    </message>
    <message>
        <source>двояковогнутая</source>
        <translation>biconcave</translation>
    </message>
    <message>
        <source>Форма:</source>
        <translation>Shape:</translation>
    </message>
    <message>
        <source>Фокусное расстояние %1</source>
        <translation>Focal length %1</translation>
    </message>
    <message>
        <source>Переднее фокусное расстояние (в среде перед линзой), со знаком: минус — рассеивающая</source>
        <translation>The front focal length (in the medium before the lens), signed: negative for a diverging lens</translation>
    </message>
    <message>
        <source>%1, см:</source>
        <translation>%1, cm:</translation>
    </message>
    <message>
        <source>Показатель преломления линзы</source>
        <translation>Refractive index of the lens</translation>
    </message>
    <message>
        <source>Показатель преломления линзы N:</source>
        <translation>Refractive index of the lens N:</translation>
    </message>
    <message>
        <source>Радиус левой поверхности</source>
        <translation>Radius of the left surface</translation>
    </message>
    <message>
        <source>Радиус левой поверхности R₁, см:</source>
        <translation>Radius of the left surface R₁, cm:</translation>
    </message>
    <message>
        <source>Радиус правой поверхности</source>
        <translation>Radius of the right surface</translation>
    </message>
    <message>
        <source>Радиус правой поверхности R₂, см:</source>
        <translation>Radius of the right surface R₂, cm:</translation>
    </message>
    <message>
        <source>Показатель преломления среды за линзой</source>
        <translation>Refractive index of the medium behind the lens</translation>
    </message>
    <message>
        <source>Показатель преломления среды за линзой:</source>
        <translation>Refractive index of the medium behind the lens:</translation>
    </message>
    <message>
        <source>Фокусные расстояния и оптическая сила</source>
        <translation>Focal lengths and power</translation>
    </message>
    <message>
        <source>см</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Расстояние от первой линзы: от %1 до %2 см</source>
        <translation>Distance from the first lens: %1 to %2 cm</translation>
    </message>
    <message>
        <source>%1: число от %2 до %3</source>
        <translation>%1: a number from %2 to %3</translation>
    </message>
    <message>
        <source>%1: при этих показателях преломления линза с равными радиусами не преломляет — измените N</source>
        <translation>%1: at these refractive indices a lens with equal radii bends no light; change N</translation>
    </message>
    <message>
        <source>%1: от %2 до %3 см (со знаком минус — рассеивающая) при N = %4</source>
        <translation>%1: %2 to %3 cm (negative for a diverging lens) at N = %4</translation>
    </message>
    <message>
        <source>Радиус: число сантиметров от %1 до %2</source>
        <translation>Radius: a number of centimetres from %1 to %2</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SetupFile</name>
    <message>
        <source>ru_RU</source>
        <comment>locale of the decimal mark in the messages</comment>
        <translation>en_US</translation>
    </message>
    <message>
        <source>нет поля «%1»</source>
        <translation>the field “%1” is missing</translation>
    </message>
    <message>
        <source>поле «%1» должно быть объектом</source>
        <translation>the field “%1” must be an object</translation>
    </message>
    <message>
        <source>поле «%1» должно быть числом</source>
        <translation>the field “%1” must be a number</translation>
    </message>
    <message>
        <source>значение %1 поля «%2» вне допустимых пределов (от %3 до %4)</source>
        <translation>the value %1 of the field “%2” is out of range (%3 to %4)</translation>
    </message>
    <message>
        <source>поле «%1» должно быть &quot;%2&quot; или &quot;%3&quot;</source>
        <translation>the field “%1” must be &quot;%2&quot; or &quot;%3&quot;</translation>
    </message>
    <message>
        <source>поле «%1» должно быть true или false</source>
        <translation>the field “%1” must be true or false</translation>
    </message>
    <message>
        <source>файл слишком велик для файла урока (%1 байт, допустимо до %2)</source>
        <translation>the file is too large for a lesson setup (%1 bytes, at most %2)</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>это не JSON или файл обрезан (%1, байт %2)</source>
        <translation>not JSON, or the file is cut off (%1, byte %2)</translation>
    </message>
    <message>
        <source>это не файл урока: ожидался объект JSON</source>
        <translation>not a lesson setup: a JSON object was expected</translation>
    </message>
    <message>
        <source>это не файл урока Quellor: нет &quot;format&quot;: &quot;%1&quot;</source>
        <translation>not a Quellor lesson setup: no &quot;format&quot;: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>поле «version» должно быть целым числом от 1</source>
        <translation>the field “version” must be a whole number from 1</translation>
    </message>
    <message>
        <source>файл записан более новой версией программы (формат %1, эта версия читает до %2)</source>
        <translation>the file was written by a newer version of the program (format %1, this version reads up to %2)</translation>
    </message>
    <message>
        <source>поле «zoom» должно быть целым числом</source>
        <translation>the field “zoom” must be a whole number</translation>
    </message>
    <message>
        <source>число поля «tasks.seed» от 9007199254740992 не хранится в JSON точно: запишите его строкой цифр в кавычках</source>
        <translation>a “tasks.seed” number from 9007199254740992 on is not held exactly by JSON: write it as a string of digits in quotes</translation>
    </message>
    <message>
        <source>поле «tasks.seed» должно быть целым числом от 0 до 18446744073709551615</source>
        <translation>the field “tasks.seed” must be a whole number from 0 to 18446744073709551615</translation>
    </message>
    <message>
        <source>поле «tasks.level» должно быть &quot;equal&quot;, &quot;two&quot;, &quot;mixed&quot; или &quot;lenses&quot;</source>
        <translation>the field “tasks.level” must be &quot;equal&quot;, &quot;two&quot;, &quot;mixed&quot; or &quot;lenses&quot;</translation>
    </message>
    <message>
        <source>%1 или %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>поле «scale» должно быть одним из чисел %1 (масштаб 1 : K)</source>
        <translation>the field “scale” must be one of %1 (scale 1 : K)</translation>
    </message>
    <message>
        <source>поле «notation» должно быть &quot;%1&quot;, &quot;%2&quot; или &quot;%3&quot;</source>
        <translation>the field “notation” must be &quot;%1&quot;, &quot;%2&quot; or &quot;%3&quot;</translation>
    </message>
    <message>
        <source>текст кончается внутри JSON</source>
        <translation>the text ends inside the JSON</translation>
    </message>
    <message>
        <source>ожидалось имя поля в кавычках</source>
        <translation>a field name in quotes was expected</translation>
    </message>
    <message>
        <source>ожидалось «:» после имени поля</source>
        <translation>“:” was expected after a field name</translation>
    </message>
    <message>
        <source>ожидалась запятая или закрывающая скобка</source>
        <translation>a comma or a closing bracket was expected</translation>
    </message>
    <message>
        <source>недопустимое значение</source>
        <translation>an invalid value</translation>
    </message>
    <message>
        <source>недопустимый знак или экранирование в строке</source>
        <translation>an invalid character or escape in a string</translation>
    </message>
    <message>
        <source>слишком глубокая вложенность</source>
        <translation>nested too deeply</translation>
    </message>
    <message>
        <source>лишний текст после JSON</source>
        <translation>more text after the JSON</translation>
    </message>
    <message>
        <source>урок с двумя линзами: здесь показывается одна линза, откройте файл в программе Quellor</source>
        <translation>a lesson with two lenses: only one lens is shown here, open the file in the Quellor program</translation>
    </message>
    <message>
        <source>поле «scene.kind» называет сцену, которой эта версия программы не знает</source>
        <translation>the field “scene.kind” names a scene this version of the program does not know</translation>
    </message>
    <message>
        <source>сцена не принимает поле «%1»</source>
        <translation>the scene does not take the field “%1”</translation>
    </message>
</context>
<context>
    <name>SystemMode</name>
    <message>
        <source>Среда за второй линзой</source>
        <translation>Medium behind the second lens</translation>
    </message>
    <message>
        <source>Показатель преломления среды за второй линзой</source>
        <translation>Refractive index of the medium behind the second lens</translation>
    </message>
    <message>
        <source>Вторая линза…</source>
        <translation>Second lens…</translation>
    </message>
    <message>
        <source>Убрать вторую линзу</source>
        <translation>Remove the second lens</translation>
    </message>
    <message>
        <source>Показатель преломления среды за второй линзой: %1</source>
        <translation>Refractive index of the medium behind the second lens: %1</translation>
    </message>
    <message>
        <source>%1 = %2 + %3 = %4 + %5 = %6 дптр</source>
        <translation>%1 = %2 + %3 = %4 + %5 = %6 D</translation>
    </message>
    <message>
        <source>A₁B₁ на бесконечности: предмет в фокальной плоскости первой линзы</source>
        <translation>A₁B₁ at infinity: the object in the first lens&apos;s focal plane</translation>
    </message>
    <message>
        <source>A₂B₂ на бесконечности: A₁B₁ в фокальной плоскости второй линзы, лучи выходят параллельно</source>
        <translation>A₂B₂ at infinity: A₁B₁ in the second lens&apos;s focal plane, the rays leave parallel</translation>
    </message>
    <message>
        <source>A₂B₂: %1</source>
        <translation>A₂B₂: %1</translation>
    </message>
    <message>
        <source>Передний фокус второй линзы</source>
        <translation>Front focus of the second lens</translation>
    </message>
    <message>
        <source>Задний фокус второй линзы</source>
        <translation>Back focus of the second lens</translation>
    </message>
    <message>
        <source>A₁B₁ за второй линзой: на неё падают сходящиеся лучи, A₁B₁ для неё — мнимый предмет</source>
        <translation>A₁B₁ beyond the second lens: converging light falls on it, A₁B₁ is a virtual object for it</translation>
    </message>
</context>
<context>
    <name>TaskMode</name>
    <message>
        <source>одинаковые среды</source>
        <translation>equal media</translation>
    </message>
    <message>
        <source>две среды</source>
        <translation>two media</translation>
    </message>
    <message>
        <source>смешанный уровень</source>
        <translation>mixed level</translation>
    </message>
    <message>
        <source>Правило: предмет дальше 2F — изображение действительное, перевёрнутое, уменьшенное, между F′ и 2F′.</source>
        <translation type="vanished">Rule: an object beyond 2F gives a real, inverted, diminished image between F′ and 2F′.</translation>
    </message>
    <message>
        <source>Правило: предмет в 2F — изображение действительное, перевёрнутое, равное, в 2F′.</source>
        <translation type="vanished">Rule: an object at 2F gives a real, inverted image of the same size at 2F′.</translation>
    </message>
    <message>
        <source>Правило: предмет между F и 2F — изображение действительное, перевёрнутое, увеличенное, дальше 2F′.</source>
        <translation type="vanished">Rule: an object between F and 2F gives a real, inverted, enlarged image beyond 2F′.</translation>
    </message>
    <message>
        <source>Правило: предмет ближе F — изображение мнимое, прямое, увеличенное, по ту же сторону линзы.</source>
        <translation type="vanished">Rule: an object inside F gives a virtual, upright, enlarged image on the same side of the lens.</translation>
    </message>
    <message>
        <source>Правило: рассеивающая линза даёт мнимое, прямое, уменьшенное изображение между линзой и фокусом.</source>
        <translation>Rule: a diverging lens gives a virtual, upright, diminished image between the lens and its focus.</translation>
    </message>
    <message>
        <source>Уровень: %1</source>
        <translation>Level: %1</translation>
    </message>
    <message>
        <source>Задача %1 из %2: даны точка и её изображение. Щёлкните там, где фокус линзы.</source>
        <translation>Task %1 of %2: a point and its image are given. Click where the focus of the lens is.</translation>
    </message>
    <message>
        <source>Задача %1 из %2: где будет изображение точки? Щёлкните там (справа — действительное, слева — мнимое).</source>
        <translation>Task %1 of %2: where will the image of the point be? Click there (right: real, left: virtual).</translation>
    </message>
    <message>
        <source>Серия %1, %2. Засчитано %3 из %4. Дальше: Ctrl+N, уровень: Ctrl+Shift+T, выход: Esc.</source>
        <translation>Series %1, %2. Correct answers: %3 of %4. Next: Ctrl+N, level: Ctrl+Shift+T, leave: Esc.</translation>
    </message>
    <message>
        <source>Засчитано: ваша точка в %1 см от изображения (допуск %2 см).</source>
        <translation>Counted: your point is %1 cm from the image (tolerance %2 cm).</translation>
    </message>
    <message>
        <source>Не засчитано: ваша точка в %1 см от изображения (допуск %2 см).</source>
        <translation>Not counted: your point is %1 cm from the image (tolerance %2 cm).</translation>
    </message>
    <message>
        <source>Засчитано: ваша точка в %1 см от заднего фокуса F′ (допуск %2 см).</source>
        <translation>Counted: your point is %1 cm from the back focus F′ (tolerance %2 cm).</translation>
    </message>
    <message>
        <source>Не засчитано: ваша точка в %1 см от заднего фокуса F′ (допуск %2 см).</source>
        <translation>Not counted: your point is %1 cm from the back focus F′ (tolerance %2 cm).</translation>
    </message>
    <message>
        <source>Засчитано: ваша точка в %1 см от переднего фокуса F (допуск %2 см).</source>
        <translation>Counted: your point is %1 cm from the front focus F (tolerance %2 cm).</translation>
    </message>
    <message>
        <source>Не засчитано: ваша точка в %1 см от переднего фокуса F (допуск %2 см).</source>
        <translation>Not counted: your point is %1 cm from the front focus F (tolerance %2 cm).</translation>
    </message>
    <message>
        <source>Серия окончена: %1 из %2.</source>
        <translation>Series done: %1 of %2.</translation>
    </message>
    <message>
        <source>Правило: луч из точки параллельно оси идёт после линзы через изображение и фокус F′; луч через F выходит параллельно оси.</source>
        <translation>Rule: the ray from the point parallel to the axis goes on through the image and the focus F′; the ray through F leaves parallel to the axis.</translation>
    </message>
    <message>
        <source>Правило: луч из точки параллельно оси выходит так, будто идёт из фокуса F′ перед линзой, и его продолжение проходит через изображение.</source>
        <translation>Rule: the ray from the point parallel to the axis leaves as if it came from the focus F′ before the lens; traced back, it passes through the image.</translation>
    </message>
    <message>
        <source>Вид верен: %1.</source>
        <translation>The right kind of image: %1.</translation>
    </message>
    <message>
        <source>Правило: луч из точки параллельно оси идёт после линзы через фокус F′, а его продолжение назад проходит через изображение.</source>
        <translation>Rule: the ray from the point parallel to the axis goes on through the focus F′; traced back, it passes through the image.</translation>
    </message>
    <message>
        <source>Вид неверен: изображение %1, а по вашей точке оно было бы %2.</source>
        <translation>The wrong kind of image: it is %1; your point would make it %2.</translation>
    </message>
    <message>
        <source>Правило: %1 — изображение действительное, перевёрнутое, уменьшенное, между F′ и 2F′.</source>
        <translation>Rule: %1 gives a real, inverted, diminished image between F′ and 2F′.</translation>
    </message>
    <message>
        <source>Правило: %1 — изображение действительное, перевёрнутое, равное, в 2F′.</source>
        <translation>Rule: %1 gives a real, inverted image of the same size at 2F′.</translation>
    </message>
    <message>
        <source>Правило: %1 — изображение действительное, перевёрнутое, увеличенное, дальше 2F′.</source>
        <translation>Rule: %1 gives a real, inverted, enlarged image beyond 2F′.</translation>
    </message>
    <message>
        <source>Результаты</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Результаты…</source>
        <translation>Results…</translation>
    </message>
    <message>
        <source>Правило: %1 — изображение мнимое, прямое, увеличенное, по ту же сторону линзы.</source>
        <translation>Rule: %1 gives a virtual, upright, enlarged image on the same side of the lens.</translation>
    </message>
    <message>
        <source>Ответы не записаны</source>
        <translation>Answers not written</translation>
    </message>
    <message>
        <source>Ответов, не записанных в файл результатов: %1.
%2

При выходе они будут потеряны.</source>
        <translation>Answers not written to the results file: %1.
%2

They will be lost on exit.</translation>
    </message>
    <message>
        <source>Ответ сохранён в программе и будет добавлен в файл вместе со следующим; при выходе программа спросит о нём.</source>
        <translation>The answer is kept in the program and will be added to the file with the next one; on exit the program will ask about it.</translation>
    </message>
    <message>
        <source>Правило: изображение A₁B₁ первой линзы — предмет для второй; её лучи строят A₂B₂ от A₁B₁ так же, как от предмета.</source>
        <translation>Rule: the image A₁B₁ of the first lens is the object of the second; its rays construct A₂B₂ from A₁B₁ as from an object.</translation>
    </message>
    <message>
        <source>Правило: A₁B₁ за второй линзой — на неё падают сходящиеся лучи; луч к B₁ через центр O₂ не преломляется, луч к B₁ параллельно оси идёт через F₂′.</source>
        <translation>Rule: A₁B₁ lies beyond the second lens, so converging light falls on it; the ray towards B₁ through the centre O₂ goes straight on, the ray towards B₁ parallel to the axis passes through F₂′.</translation>
    </message>
    <message>
        <source>Правило: A₁B₁ — предмет для рассеивающей второй линзы; луч, параллельный оси, выходит так, будто идёт из её фокуса F₂′.</source>
        <translation>Rule: A₁B₁ is the object of the diverging second lens; a ray parallel to the axis leaves as if it came from its focus F₂′.</translation>
    </message>
    <message>
        <source>Правило: линзы вплотную действуют как одна, её оптическая сила D = D₁ + D₂.</source>
        <translation>Rule: lenses in contact act as one lens of power D = D₁ + D₂.</translation>
    </message>
    <message>
        <source>две линзы</source>
        <translation>two lenses</translation>
    </message>
    <message>
        <source>A₂B₂: %1</source>
        <translation>A₂B₂: %1</translation>
    </message>
    <message>
        <source>Задача %1 из %2: где две линзы дают изображение A₂B₂? %3 = %4 см, O₁O₂ = %5 см. Щёлкните там.</source>
        <translation>Task %1 of %2: where do the two lenses form the image A₂B₂? %3 = %4 cm, O₁O₂ = %5 cm. Click there.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Начать</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Оптическая скамья: перетащите предмет, клавиши 1–5 — стандартные случаи, стрелки двигают предмет</source>
        <translation>Optical bench: drag the object; keys 1–5 set the standard cases, the arrows move the object</translation>
    </message>
    <message>
        <source>Серия %1, %2. Засчитано %3 из %4. Дальше: кнопка «Дальше», выход: Esc.</source>
        <translation>Series %1, %2. Correct answers: %3 of %4. Next: the “Next” button, leave: Esc.</translation>
    </message>
    <message>
        <source>по языку</source>
        <translation>by language</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Линза %1</source>
        <translation>Lens %1</translation>
    </message>
    <message>
        <source>%1 от первой</source>
        <translation>%1 from the first</translation>
    </message>
    <message>
        <source>Задание: постройте изображение — %1</source>
        <translation>Task: construct the image — %1</translation>
    </message>
    <message>
        <source>Решение — %1</source>
        <translation>Solution — %1</translation>
    </message>
    <message>
        <source>Среда слева n1 = %1, справа n2 = %2.</source>
        <translation>Medium on the left n1 = %1, on the right n2 = %2.</translation>
    </message>
    <message>
        <source>n1 = %1</source>
        <translation>n1 = %1</translation>
    </message>
    <message>
        <source>n2 = %1</source>
        <translation>n2 = %1</translation>
    </message>
    <message>
        <source>Решение</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Задание: постройте изображение предмета</source>
        <translation>Task: construct the image of the object</translation>
    </message>
    <message>
        <source>Линза: N = %1, R = %2 (слева), R = %3 (справа); %4   %5</source>
        <translation type="vanished">Lens: N = %1, R = %2 (left), R = %3 (right); %4   %5</translation>
    </message>
    <message>
        <source>Сплошные линии — лучи и действительное изображение; штриховые — продолжения лучей и мнимое изображение.</source>
        <translation>Solid lines: rays and the real image; dashed: rays extended backwards and the virtual image.</translation>
    </message>
    <message>
        <source>Рабочий лист</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>Рабочий лист Quellor</source>
        <translation>Quellor worksheet</translation>
    </message>
    <message>
        <source>не удалось нарисовать рабочий лист</source>
        <translation>the worksheet could not be drawn</translation>
    </message>
    <message>
        <source>Линза: N = %1, R = %2 (слева), R = %3 (справа)</source>
        <translation>Lens: N = %1, R = %2 (left), R = %3 (right)</translation>
    </message>
    <message>
        <source>Сохранить рабочие листы</source>
        <translation>Save the worksheets</translation>
    </message>
    <message>
        <source>рабочий лист.pdf</source>
        <translation>worksheet.pdf</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation type="vanished">PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Рабочие листы не сохранены</source>
        <translation>The worksheets were not saved</translation>
    </message>
    <message>
        <source>%1 (1 см на листе — %2 см).</source>
        <translation>%1 (1 cm on the sheet is %2 cm).</translation>
    </message>
    <message>
        <source>Варианты и ответы</source>
        <translation>Variants and answers</translation>
    </message>
    <message>
        <source>Вторая линза: N = %1, R = %2 (слева), R = %3 (справа), O₁O₂ = %4</source>
        <translation>Second lens: N = %1, R = %2 (left), R = %3 (right), O₁O₂ = %4</translation>
    </message>
    <message>
        <source>Предмет AB: %1   h = %2</source>
        <translation>Object AB: %1   h = %2</translation>
    </message>
    <message>
        <source>A₁B₁ на бесконечности: предмет в фокальной плоскости первой линзы, между линзами лучи параллельны.</source>
        <translation>A₁B₁ at infinity: the object in the first lens&apos;s focal plane, the rays parallel between the lenses.</translation>
    </message>
    <message>
        <source>A₂B₂ на бесконечности: A₁B₁ в фокальной плоскости второй линзы, лучи выходят параллельно.</source>
        <translation>A₂B₂ at infinity: A₁B₁ in the second lens&apos;s focal plane, the rays leave parallel.</translation>
    </message>
    <message>
        <source>A₂B₂: %1.</source>
        <translation>A₂B₂: %1.</translation>
    </message>
    <message>
        <source>A₁B₁ за второй линзой: на неё падают сходящиеся лучи, A₁B₁ для неё — мнимый предмет.</source>
        <translation>A₁B₁ beyond the second lens: converging light falls on it, A₁B₁ is a virtual object for it.</translation>
    </message>
    <message>
        <source>Задание: постройте изображение предмета в системе двух линз</source>
        <translation>Task: construct the image of the object formed by the two lenses</translation>
    </message>
    <message>
        <source>Сплошные линии — лучи и действительные изображения; штриховые — продолжения лучей, мнимые изображения и мнимый предмет.</source>
        <translation>Solid lines: rays and real images; dashed: rays extended, virtual images and the virtual object.</translation>
    </message>
</context>
</TS>
