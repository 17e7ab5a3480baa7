// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words of the browser page, each a text of the desktop's catalogue: the
// page shows what the window shows in the same words. An entry names the
// page's key, the translation context and the Russian source; the build
// (web/texts.cmake) takes the English from translations/quellor_en.ts and
// puts both into the page, refusing a text the catalogue lacks or has not
// translated. Keys ending in .0, .1, … make a list. lupdate reads this file,
// so the texts only the page shows (context WebPage) are translated as the
// window's are, and tst_translations checks that each one is.
//
// One entry a line, as the build reads it.
struct PageText {
    const char* key;
    const char* context;
    const char* source;
};

// clang-format off
inline constexpr PageText kPageTexts[] = {
    {"radii", "Form1", QT_TRANSLATE_NOOP("Form1", "Радиус кривизны поверхностей линзы:")},
    {"left", "Form1", QT_TRANSLATE_NOOP("Form1", "левая")},
    {"right", "Form1", QT_TRANSLATE_NOOP("Form1", "правая")},
    {"medium", "Form1", QT_TRANSLATE_NOOP("Form1", "Показатель преломления среды:")},
    {"lensIndex", "Form1", QT_TRANSLATE_NOOP("Form1", "Показатель преломления линзы:")},
    {"type", "Form1", QT_TRANSLATE_NOOP("Form1", "Тип линзы:")},
    {"lens", "Form1", QT_TRANSLATE_NOOP("Form1", "Линза")},
    {"scheme", "Form1", QT_TRANSLATE_NOOP("Form1", "Схема")},
    {"labels", "Form1", QT_TRANSLATE_NOOP("Form1", "Подписи")},
    {"third", "Form1", QT_TRANSLATE_NOOP("Form1", "Третий луч")},
    {"palette", "Form1", QT_TRANSLATE_NOOP("Form1", "Палитра")},
    {"task", "Form1", QT_TRANSLATE_NOOP("Form1", "Задача")},
    {"next", "Form1", QT_TRANSLATE_NOOP("Form1", "Дальше")},
    {"open", "Form1", QT_TRANSLATE_NOOP("Form1", "Открыть…")},
    {"save", "Form1", QT_TRANSLATE_NOOP("Form1", "Сохранить…")},
    {"results", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Результаты…")},
    {"pupil", "ResultSheetDialog", QT_TRANSLATE_NOOP("ResultSheetDialog", "Фамилия, имя, класс:")},
    {"seed", "ClassSetDialog", QT_TRANSLATE_NOOP("ClassSetDialog", "Серия:")},
    {"level", "ClassSetDialog", QT_TRANSLATE_NOOP("ClassSetDialog", "Уровень:")},
    {"cancel", "Messages", QT_TRANSLATE_NOOP("Messages", "Отмена")},
    {"levels.0", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "одинаковые среды")},
    {"levels.1", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "две среды")},
    {"levels.2", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "смешанный уровень")},
    {"notations.0", "Readout", QT_TRANSLATE_NOOP("Readout", "российский учебник")},
    {"notations.1", "Readout", QT_TRANSLATE_NOOP("Readout", "английский учебник")},
    {"notations.2", "Readout", QT_TRANSLATE_NOOP("Readout", "со знаками (Гаусс)")},
    {"cm", "Readout", QT_TRANSLATE_NOOP("Readout", "%1 см")},
    {"dioptres", "Readout", QT_TRANSLATE_NOOP("Readout", "%1 = %2 дптр")},
    {"scale", "BenchScale", QT_TRANSLATE_NOOP("BenchScale", "1 : %1")},
    {"scaleName", "Readout", QT_TRANSLATE_NOOP("Readout", "Масштаб 1 : %1")},
    {"real", "Readout", QT_TRANSLATE_NOOP("Readout", "действительное")},
    {"virtual", "Readout", QT_TRANSLATE_NOOP("Readout", "мнимое")},
    {"upright", "Readout", QT_TRANSLATE_NOOP("Readout", "прямое")},
    {"inverted", "Readout", QT_TRANSLATE_NOOP("Readout", "перевёрнутое")},
    {"sizes.0", "Readout", QT_TRANSLATE_NOOP("Readout", "уменьшенное")},
    {"sizes.1", "Readout", QT_TRANSLATE_NOOP("Readout", "равное")},
    {"sizes.2", "Readout", QT_TRANSLATE_NOOP("Readout", "увеличенное")},
    {"beyond.1", "Form1", QT_TRANSLATE_NOOP("Form1", "за краем слева")},
    {"beyond.2", "Form1", QT_TRANSLATE_NOOP("Form1", "за краем справа")},
    {"beyond.3", "Form1", QT_TRANSLATE_NOOP("Form1", "за краем сверху")},
    {"beyond.4", "Form1", QT_TRANSLATE_NOOP("Form1", "за краем снизу")},
    {"noImage", "Form1", QT_TRANSLATE_NOOP("Form1", "изображения нет: предмет в фокальной плоскости")},
    {"findImage", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Задача %1 из %2: где будет изображение точки? Щёлкните там (справа — действительное, слева — мнимое).")},
    {"findFocus", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Задача %1 из %2: даны точка и её изображение. Щёлкните там, где фокус линзы.")},
    {"imageYes", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Засчитано: ваша точка в %1 см от изображения (допуск %2 см).")},
    {"imageNo", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Не засчитано: ваша точка в %1 см от изображения (допуск %2 см).")},
    {"backYes", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Засчитано: ваша точка в %1 см от заднего фокуса F′ (допуск %2 см).")},
    {"backNo", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Не засчитано: ваша точка в %1 см от заднего фокуса F′ (допуск %2 см).")},
    {"frontYes", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Засчитано: ваша точка в %1 см от переднего фокуса F (допуск %2 см).")},
    {"frontNo", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Не засчитано: ваша точка в %1 см от переднего фокуса F (допуск %2 см).")},
    {"done", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Серия окончена: %1 из %2.")},
    {"kindRight", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Вид верен: %1.")},
    {"kindWrong", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Вид неверен: изображение %1, а по вашей точке оно было бы %2.")},
    {"rules.0", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Правило: %1 — изображение действительное, перевёрнутое, уменьшенное, между F′ и 2F′.")},
    {"rules.1", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Правило: %1 — изображение действительное, перевёрнутое, равное, в 2F′.")},
    {"rules.2", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Правило: %1 — изображение действительное, перевёрнутое, увеличенное, дальше 2F′.")},
    {"rules.3", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Правило: %1 — изображение мнимое, прямое, увеличенное, по ту же сторону линзы.")},
    {"rules.4", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Правило: рассеивающая линза даёт мнимое, прямое, уменьшенное изображение между линзой и фокусом.")},
    {"focusRules.0", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Правило: луч из точки параллельно оси идёт после линзы через изображение и фокус F′; луч через F выходит параллельно оси.")},
    {"focusRules.1", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Правило: луч из точки параллельно оси идёт после линзы через фокус F′, а его продолжение назад проходит через изображение.")},
    {"focusRules.2", "TaskMode", QT_TRANSLATE_NOOP("TaskMode", "Правило: луч из точки параллельно оси выходит так, будто идёт из фокуса F′ перед линзой, и его продолжение проходит через изображение.")},
    {"badIndex", "Form1", QT_TRANSLATE_NOOP("Form1", "Показатель преломления: число от %1 до %2, например %3")},
    {"badRadius", "Form1", QT_TRANSLATE_NOOP("Form1", "Радиус: число сантиметров от %1 до %2, например %3")},
    {"badName", "ResultsFile", QT_TRANSLATE_NOOP("ResultsFile", "В имени не может быть управляющих и невидимых знаков (перевод строки, табуляция, мягкий перенос, знаки направления письма, пробел нулевой ширины).")},
    {"longName", "ResultsFile", QT_TRANSLATE_NOOP("ResultsFile", "Имя длиннее %1 знаков.")},
    {"resultsName", "ResultSheetDialog", QT_TRANSLATE_NOOP("ResultSheetDialog", "результаты.csv")},
    {"setupName", "LessonFile", QT_TRANSLATE_NOOP("LessonFile", "урок.quellor")},
    {"badSetup", "LessonFile", QT_TRANSLATE_NOOP("LessonFile", "Не удалось открыть файл «%1»:\n%2")},
    // Why a setup is refused, indexed by SetupFormat::Problem and, where the
    // text is no JSON, by SetupFormat::Syntax.
    {"refusals.1", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "файл слишком велик для файла урока (%1 байт, допустимо до %2)")},
    {"refusals.2", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "файл пуст")},
    {"refusals.3", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "это не JSON или файл обрезан (%1, байт %2)")},
    {"refusals.4", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "это не файл урока: ожидался объект JSON")},
    {"refusals.5", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "это не файл урока Quellor: нет \"format\": \"%1\"")},
    {"refusals.6", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "поле «version» должно быть целым числом от 1")},
    {"refusals.7", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "файл записан более новой версией программы (формат %1, эта версия читает до %2)")},
    {"refusals.8", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "поле «scale» должно быть одним из чисел %1 (масштаб 1 : K)")},
    {"refusals.9", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "нет поля «%1»")},
    {"refusals.10", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "поле «%1» должно быть объектом")},
    {"refusals.11", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "поле «%1» должно быть числом")},
    {"refusals.12", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "значение %1 поля «%2» вне допустимых пределов (от %3 до %4)")},
    {"refusals.13", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "поле «%1» должно быть \"%2\" или \"%3\"")},
    {"refusals.14", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "поле «%1» должно быть true или false")},
    {"refusals.15", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "поле «zoom» должно быть целым числом")},
    {"refusals.16", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "число поля «tasks.seed» от 9007199254740992 не хранится в JSON точно: запишите его строкой цифр в кавычках")},
    {"refusals.17", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "поле «tasks.seed» должно быть целым числом от 0 до 18446744073709551615")},
    {"refusals.18", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "поле «tasks.level» должно быть \"equal\", \"two\", \"mixed\" или \"lenses\"")},
    {"refusals.19", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "поле «notation» должно быть \"%1\", \"%2\" или \"%3\"")},
    {"refusals.20", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "урок с двумя линзами: здесь показывается одна линза, откройте файл в программе Quellor")},
    {"jsonProblems.1", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "текст кончается внутри JSON")},
    {"jsonProblems.2", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "ожидалось имя поля в кавычках")},
    {"jsonProblems.3", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "ожидалось «:» после имени поля")},
    {"jsonProblems.4", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "ожидалась запятая или закрывающая скобка")},
    {"jsonProblems.5", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "недопустимое значение")},
    {"jsonProblems.6", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "недопустимый знак или экранирование в строке")},
    {"jsonProblems.7", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "слишком глубокая вложенность")},
    {"jsonProblems.8", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "лишний текст после JSON")},
    {"scaleChoices", "SetupFile", QT_TRANSLATE_NOOP("SetupFile", "%1 или %2")},
    // The page's own: a button and a finger instead of keys, the series
    // started from a dialog, the notation following the browser's language.
    {"start", "WebPage", QT_TRANSLATE_NOOP("WebPage", "Начать")},
    {"bench", "WebPage", QT_TRANSLATE_NOOP("WebPage", "Оптическая скамья: перетащите предмет, клавиши 1–5 — стандартные случаи, стрелки двигают предмет")},
    {"status", "WebPage", QT_TRANSLATE_NOOP("WebPage", "Серия %1, %2. Засчитано %3 из %4. Дальше: кнопка «Дальше», выход: Esc.")},
    {"byLanguage", "WebPage", QT_TRANSLATE_NOOP("WebPage", "по языку")},
};
// clang-format on
