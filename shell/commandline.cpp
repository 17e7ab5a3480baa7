// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "benchoptics.h"
#include "checkresults.h"
#include "classset.h"
#include "exporter.h"
#include "resultsfile.h"
#include "saferead.h"
#include "setupfile.h"
#include "task.h"
#include "translations.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <sys/stat.h>

namespace {
void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Options QGuiApplication reads for itself; they pass through untouched.
const char* const kToolkitOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "qmljsdebugger"};
const char* const kToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
// Of those, the ones that make Qt read a file or load code the program never
// sees: a style sheet of /dev/zero would grow without end. They are refused.
const char* const kToolkitFileOptions[] = {"stylesheet", "qwindowicon", "platformpluginpath",
                                           "plugin"};
// The status of a command line refused before anything is read or written.
constexpr int kRefused = 2;

// Whether two names lead to one file (through links or hard links alike).
bool sameFile(const QString& a, const QString& b) {
    struct stat first {
    }, second{};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// A file the command line names is written without asking anyone. What its
// name leads to through links is what is replaced, whether it is there yet or
// not: its name must end in the type's suffix too, and a file there must be
// of the type already (by its first bytes), so that a lesson behind a link
// named .pdf is kept.
std::optional<QString> replacedUnasked(const char* option, const QString& name, const char* suffix,
                                       const QByteArray& magic) {
    const QString type = QString::fromLatin1(suffix);
    const QString what = QString::fromLatin1(option);
    const auto endsRight = [&](const QString& file) {
        return QFileInfo(file).suffix().compare(type, Qt::CaseInsensitive) == 0;
    };
    if (!endsRight(name))
        return CommandLine::tr("--%1: имя «%2» должно оканчиваться на .%3").arg(what, name, type);
    const QFileInfo named(name);
    const QString real = named.exists()      ? named.canonicalFilePath()
                         : named.isSymLink() ? named.symLinkTarget()
                                             : name;
    if (!endsRight(real))
        return CommandLine::tr("--%1: «%2» ведёт к файлу «%3», а не к %4-файлу; он не будет "
                               "заменён")
            .arg(what, name, real, type.toUpper());
    if (named.exists() && !SafeRead::read(name, magic.size()).bytes.startsWith(magic))
        return CommandLine::tr("--%1: «%2» — не %3-файл; он не будет заменён")
            .arg(what, name, type.toUpper());
    return std::nullopt;
}

// The level named on the command line, or nothing for a wrong name.
std::optional<Tasks::Level> levelNamed(const QString& name) {
    for (int i = 0; i < int(std::size(Tasks::kLevelKeys)); ++i)
        if (name == QLatin1String(Tasks::kLevelKeys[i]))
            return Tasks::Level(i);
    return std::nullopt;
}

// A whole number from `low` to `high` written in plain digits, or nothing.
std::optional<int> countOf(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high || text != QString::number(value))
        return std::nullopt;
    return value;
}

// Variants and tasks a sheet belong to a worksheet of a series; the level to a
// series.
std::optional<QString> classSetRefusal(const QCommandLineParser& parser) {
    const bool sheets =
        parser.isSet(QStringLiteral("worksheet")) && parser.isSet(QStringLiteral("tasks"));
    for (const char* name : {"variants", "per-sheet"})
        if (parser.isSet(QString::fromLatin1(name)) && !sheets)
            return CommandLine::tr("--%1 относится к вариантам: нужны --worksheet и --tasks")
                .arg(QString::fromLatin1(name));
    if (parser.isSet(QStringLiteral("results")) &&
        (!parser.isSet(QStringLiteral("tasks")) || parser.isSet(QStringLiteral("worksheet"))))
        return CommandLine::tr("--results записывает ответы серии задач на экране: нужен --tasks "
                               "без --worksheet");
    if (parser.isSet(QStringLiteral("results")) &&
        parser.value(QStringLiteral("results")).isEmpty())
        return CommandLine::tr("--results: пустое имя файла");
    if (parser.isSet(QStringLiteral("check-results")) &&
        (parser.positionalArguments().isEmpty() || parser.optionNames().size() > 1))
        return CommandLine::tr("--check-results: нужны только имена файлов результатов");
    if (parser.isSet(QStringLiteral("level")) && !parser.isSet(QStringLiteral("tasks")))
        return CommandLine::tr("--level относится к серии задач: нужен --tasks");
    if (parser.isSet(QStringLiteral("variants")) &&
        !countOf(parser.value(QStringLiteral("variants")), 1, ClassSet::kMostVariants))
        return CommandLine::tr("--variants: «%1» — нужно целое число от 1 до %2")
            .arg(parser.value(QStringLiteral("variants")))
            .arg(ClassSet::kMostVariants);
    if (parser.isSet(QStringLiteral("per-sheet")) &&
        !countOf(parser.value(QStringLiteral("per-sheet")), ClassSet::kFewestTasks,
                 ClassSet::kMostTasks))
        return CommandLine::tr("--per-sheet: «%1» — нужно целое число от %2 до %3")
            .arg(parser.value(QStringLiteral("per-sheet")))
            .arg(ClassSet::kFewestTasks)
            .arg(ClassSet::kMostTasks);
    if (parser.isSet(QStringLiteral("level")) && !levelNamed(parser.value(QStringLiteral("level"))))
        return CommandLine::tr("--level: «%1» — уровень задач: equal, two, mixed или lenses")
            .arg(parser.value(QStringLiteral("level")));
    return std::nullopt;
}

// What is wrong with a command line that parsed, or nothing: an option given
// twice (which one was meant?), an option Qt would read a file for, a value
// that is the next option, an empty file name, a worksheet that is no PDF or
// would be written over the lesson it is drawn from.
std::optional<QString> refusal(const QCommandLineParser& parser) {
    const QStringList names = parser.optionNames();
    for (const QString& name : names)
        if (names.count(name) > 1)
            return CommandLine::tr("параметр --%1 указан больше одного раза").arg(name);
    for (const char* name : kToolkitFileOptions)
        if (parser.isSet(QString::fromLatin1(name)))
            return CommandLine::tr("параметр -%1 не принимается: по нему читался бы файл, "
                                   "которого программа не проверяет")
                .arg(QString::fromLatin1(name));
    for (const char* name : {"worksheet", "tasks", "variants", "per-sheet", "level", "results"}) {
        const QString value = parser.value(QString::fromLatin1(name));
        // A negative number is a wrong value, said as such below, not an option.
        if (value.startsWith(QLatin1Char('-')) && !(value.size() > 1 && value.at(1).isDigit()))
            return CommandLine::tr("--%1: «%2» — это параметр, а не значение")
                .arg(QString::fromLatin1(name), value);
    }
    if (const std::optional<QString> wrong = classSetRefusal(parser))
        return wrong;
    const QString worksheet = parser.value(QStringLiteral("worksheet"));
    const QString setup = parser.positionalArguments().value(0);
    if (parser.positionalArguments().contains(QString()))
        return CommandLine::tr("пустое имя файла урока");
    // A pupil either solves tasks or does the laboratory work, not both at once.
    if (parser.isSet(QStringLiteral("lab")) && parser.isSet(QStringLiteral("tasks")))
        return CommandLine::tr("--lab и --tasks не открываются вместе");
    if (parser.isSet(QString::fromLatin1(CommandLine::kDocsPicture)))
        if (auto wrong =
                replacedUnasked(CommandLine::kDocsPicture,
                                parser.value(QString::fromLatin1(CommandLine::kDocsPicture)), "png",
                                "\x89PNG\r\n\x1a\n"))
            return wrong;
    if (!parser.isSet(QStringLiteral("worksheet")))
        return std::nullopt;
    if (worksheet.isEmpty())
        return CommandLine::tr("--worksheet: пустое имя PDF-файла");
    const QString suffix = CommandLine::exporter().suffix();
    if (QFileInfo(worksheet).suffix().compare(suffix, Qt::CaseInsensitive) != 0)
        return CommandLine::tr("--worksheet: имя рабочего листа «%1» должно оканчиваться на .pdf")
            .arg(worksheet);
    if (!setup.isEmpty() && sameFile(worksheet, setup))
        return CommandLine::tr("--worksheet: «%1» — это файл урока, рабочий лист его не заменит")
            .arg(worksheet);
    return replacedUnasked("worksheet", worksheet, "pdf", "%PDF-");
}
} // namespace

// The variants of a series and their key with --tasks, else the bench's own
// worksheet: the formats of the exporters' list the command line writes.
const Export::Exporter& CommandLine::exporter() {
    return *Export::byKey(s_taskSeed ? QStringLiteral("class-set") : QStringLiteral("worksheet"));
}

namespace {

// A window needs a display server to open on, unless a platform is named.
bool sessionHasDisplay(const QCommandLineParser& parser) {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    return parser.isSet(QStringLiteral("platform"));
}
} // namespace

QString CommandLine::s_unusableDisplay;

QString CommandLine::unusableDisplay() {
    return s_unusableDisplay;
}
QString CommandLine::s_setupFile;
QString CommandLine::s_worksheet;
QString CommandLine::s_docsPicture;
std::optional<quint64> CommandLine::s_taskSeed;
Tasks::Level CommandLine::s_taskLevel = Tasks::Level::EqualMedia;
int CommandLine::s_variants = 1;
int CommandLine::s_tasksPerSheet = ClassSet::kDefaultTasks;
QString CommandLine::s_resultsFile;
bool CommandLine::s_lab = false;

std::optional<int> CommandLine::answer(int argc, char* argv[]) {
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quellor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUELLOR_VERSION));
    Translations::install();

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        tr("Quellor: оптическая скамья, на которой видно, как линза строит изображение точки."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption worksheet(
        QStringLiteral("worksheet"),
        tr("Записать рабочий лист (задание и решение) в PDF-файл и выйти; дисплей не нужен."),
        tr("OUT.pdf"));
    parser.addOption(worksheet);
    const QCommandLineOption tasks(
        QStringLiteral("tasks"),
        tr("Открыть серию задач с этим числом (0 … 18446744073709551615): у всех, кто "
           "назовёт то же число, те же задачи."),
        tr("SEED"));
    parser.addOption(tasks);
    const QCommandLineOption level(
        QStringLiteral("level"),
        tr("Уровень серии задач: equal — одинаковые среды, two — две среды, mixed — смешанный, "
           "lenses — две линзы."),
        tr("LEVEL"));
    parser.addOption(level);
    const QCommandLineOption variants(
        QStringLiteral("variants"),
        tr("С --worksheet и --tasks: столько вариантов (1 … %1), за ними ответы.")
            .arg(ClassSet::kMostVariants),
        tr("N"));
    parser.addOption(variants);
    const QCommandLineOption perSheet(QStringLiteral("per-sheet"),
                                      tr("С --worksheet и --tasks: задач в варианте (%1 … %2).")
                                          .arg(ClassSet::kFewestTasks)
                                          .arg(ClassSet::kMostTasks),
                                      tr("N"));
    parser.addOption(perSheet);
    const QCommandLineOption results(
        QStringLiteral("results"),
        tr("С --tasks: добавлять каждый ответ в этот файл (CSV) по мере ответов."), tr("FILE"));
    parser.addOption(results);
    const QCommandLineOption checkResults(
        QStringLiteral("check-results"),
        tr("Проверить файлы результатов, названные аргументами: каждый ответ судится заново по "
           "номеру серии; напечатать таблицу класса и выйти. Статус 0 — все строки сходятся, 1 — "
           "какая-то не сходится, 2 — файл не прочитан."));
    parser.addOption(checkResults);
    const QCommandLineOption lab(
        QStringLiteral("lab"),
        tr("Открыть лабораторную работу: экран, линейка и таблица (с ФАЙЛОМ — на его скамье)."));
    parser.addOption(lab);
    parser.addPositionalArgument(tr("ФАЙЛ"), tr("Файл урока (.quellor), открываемый при старте."),
                                 tr("[ФАЙЛ]"));
    for (const char* name : kToolkitOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    QCommandLineOption listTasks(QString::fromLatin1(kListTasks));
    listTasks.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(listTasks);
    QCommandLineOption docsPicture(QString::fromLatin1(kDocsPicture), QString(),
                                   QStringLiteral("OUT.png"));
    docsPicture.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(docsPicture);
    QCommandLineOption quitWhenShown(QString::fromLatin1(kQuitWhenShown));
    quitWhenShown.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(quitWhenShown);
    for (const char* name : kToolkitFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString program = QCoreApplication::applicationName();
    if (!parser.parse(QCoreApplication::arguments())) {
        print(stderr, program + QStringLiteral(": ") + parser.errorText() + QLatin1Char('\n') +
                          tr("Список параметров: %1 --help").arg(program) + QLatin1Char('\n'));
        return 1;
    }
    if (parser.positionalArguments().size() > 1 && !parser.isSet(checkResults)) {
        print(stderr, program + QStringLiteral(": ") +
                          tr("лишний аргумент: %1").arg(parser.positionalArguments().at(1)) +
                          QLatin1Char('\n'));
        return 1;
    }
    s_setupFile = parser.positionalArguments().value(0);
    s_worksheet = parser.value(worksheet);
    s_docsPicture = parser.value(docsPicture);
    s_taskSeed.reset();
    s_resultsFile = parser.value(results);
    s_taskLevel = levelNamed(parser.value(level)).value_or(Tasks::Level::EqualMedia);
    s_variants = parser.isSet(variants)
                     ? countOf(parser.value(variants), 1, ClassSet::kMostVariants).value_or(1)
                     : 1;
    s_tasksPerSheet = parser.isSet(perSheet) ? countOf(parser.value(perSheet),
                                                       ClassSet::kFewestTasks, ClassSet::kMostTasks)
                                                   .value_or(ClassSet::kDefaultTasks)
                                             : ClassSet::kDefaultTasks;
    s_lab = parser.isSet(lab);
    if (const std::optional<QString> wrong = refusal(parser)) {
        s_setupFile.clear();
        s_worksheet.clear();
        print(stderr, program + QStringLiteral(": ") + *wrong + QLatin1Char('\n'));
        return kRefused;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(checkResults))
        return CheckResults::run(parser.positionalArguments());
    if (parser.isSet(version)) {
        print(stdout, program + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
                          QLatin1Char('\n'));
        return 0;
    }
    if (parser.isSet(tasks)) {
        s_taskSeed = SetupFile::seedOf(parser.value(tasks));
        if (!s_taskSeed) {
            print(stderr, program + QStringLiteral(": ") +
                              tr("--tasks: «%1» — не номер серии задач: нужно целое число от 0 до "
                                 "18446744073709551615")
                                  .arg(parser.value(tasks)) +
                              QLatin1Char('\n'));
            return 1;
        }
    }
    if (s_taskSeed && parser.isSet(listTasks)) {
        for (const Tasks::Task& task : Tasks::series(*s_taskSeed, s_taskLevel)) {
            // The lens and the object as the bench holds them, in its twips.
            const Optics::Lens lens = Tasks::lensOf(task);
            const double objectX = float(Bench::xOf(task.z));
            const double objectY = float(Bench::yOf(task.height));
            QStringList fields{task.kind == Tasks::Kind::FindImage ? QStringLiteral("image")
                                                                   : QStringLiteral("focus"),
                               task.converging ? QStringLiteral("converging")
                                               : QStringLiteral("diverging")};
            for (const double value : {lens.n1, lens.N, lens.n2, Bench::twipsOf(lens.leftR),
                                       Bench::twipsOf(lens.rightR), objectX, objectY})
                fields << QString::number(value, 'g', 17);
            // A second lens: its place behind the first and its left radius.
            if (task.second)
                for (const double value :
                     {Bench::twipsOf(task.second->distance), Bench::twipsOf(task.second->lens.R1)})
                    fields << QString::number(value, 'g', 17);
            print(stdout, fields.join(QLatin1Char(' ')) + QLatin1Char('\n'));
        }
        return 0;
    }
    // A results file that cannot take answers is said before a pupil gives
    // one, not after a series whose answers would stay in memory; one that
    // cannot be read is left alone.
    if (!s_resultsFile.isEmpty()) {
        const QString refused = ResultsFile::cannotTake(s_resultsFile);
        if (!refused.isEmpty()) {
            print(stderr, program + QStringLiteral(": ") + CheckResults::visible(refused) +
                              QLatin1Char('\n'));
            return kRefused;
        }
    }
    // A setup that cannot be read is reported here when no window will say it.
    const bool windowless =
        parser.isSet(worksheet) || parser.isSet(docsPicture) || !sessionHasDisplay(parser);
    if (windowless && !s_setupFile.isEmpty()) {
        const SetupFile::Result read = SetupFile::read(s_setupFile, Bench::setupRanges());
        if (!read.setup) {
            print(stderr, program + QStringLiteral(": ") + s_setupFile + QStringLiteral(": ") +
                              read.problem + QLatin1Char('\n'));
            return 2;
        }
    }
    if (parser.isSet(worksheet) || parser.isSet(docsPicture))
        return std::nullopt; // written offscreen, without a display
    if (!sessionHasDisplay(parser)) {
        print(stderr, program + QStringLiteral(": ") +
                          tr("нужен графический сеанс: не найден дисплей (DISPLAY или "
                             "WAYLAND_DISPLAY)") +
                          QLatin1Char('\n'));
        return 1;
    }
    QStringList session;
    for (const char* variable : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(variable))
            session << QString::fromLatin1(variable) + QLatin1Char('=') +
                           qEnvironmentVariable(variable);
    if (parser.isSet(QStringLiteral("platform")))
        session << QStringLiteral("-platform ") + parser.value(QStringLiteral("platform"));
    s_unusableDisplay = program + QStringLiteral(": ") +
                        tr("не удалось открыть окно: графический сеанс недоступен (%1)")
                            .arg(session.join(QStringLiteral(", "))) +
                        QLatin1Char('\n');
    return std::nullopt;
}
