// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

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
    for (const char* name : {"worksheet", "tasks"}) {
        const QString value = parser.value(QString::fromLatin1(name));
        // A negative number is a wrong value, said as such below, not an option.
        if (value.startsWith(QLatin1Char('-')) && !(value.size() > 1 && value.at(1).isDigit()))
            return CommandLine::tr("--%1: «%2» — это параметр, а не значение")
                .arg(QString::fromLatin1(name), value);
    }
    const QString worksheet = parser.value(QStringLiteral("worksheet"));
    const QString setup = parser.positionalArguments().value(0);
    if (parser.positionalArguments().contains(QString()))
        return CommandLine::tr("пустое имя файла урока");
    // A pupil either solves tasks or does the laboratory work, not both at once.
    if (parser.isSet(QStringLiteral("lab")) && parser.isSet(QStringLiteral("tasks")))
        return CommandLine::tr("--lab и --tasks не открываются вместе");
    if (!parser.isSet(QStringLiteral("worksheet")))
        return std::nullopt;
    if (worksheet.isEmpty())
        return CommandLine::tr("--worksheet: пустое имя PDF-файла");
    if (QFileInfo(worksheet).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        return CommandLine::tr("--worksheet: имя рабочего листа «%1» должно оканчиваться на .pdf")
            .arg(worksheet);
    if (!setup.isEmpty() && sameFile(worksheet, setup))
        return CommandLine::tr("--worksheet: «%1» — это файл урока, рабочий лист его не заменит")
            .arg(worksheet);
    return std::nullopt;
}

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
std::optional<quint64> CommandLine::s_taskSeed;
bool CommandLine::s_lab = false;

std::optional<int> CommandLine::answer(int argc, char* argv[]) {
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quellor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUELLOR_VERSION));
    Translations::install();

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        tr("Вексол: оптическая скамья, на которой видно, как линза строит изображение точки."));
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
    if (parser.positionalArguments().size() > 1) {
        print(stderr, program + QStringLiteral(": ") +
                          tr("лишний аргумент: %1").arg(parser.positionalArguments().at(1)) +
                          QLatin1Char('\n'));
        return 1;
    }
    s_setupFile = parser.positionalArguments().value(0);
    s_worksheet = parser.value(worksheet);
    s_taskSeed.reset();
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
        for (const Tasks::Task& task : Tasks::series(*s_taskSeed, Tasks::Level::EqualMedia)) {
            const Optics::Lens lens = Tasks::lensOf(task);
            QStringList fields{task.kind == Tasks::Kind::FindImage ? QStringLiteral("image")
                                                                   : QStringLiteral("focus"),
                               task.converging ? QStringLiteral("converging")
                                               : QStringLiteral("diverging")};
            for (const double value :
                 {lens.n1, lens.N, lens.n2, lens.leftR, lens.rightR, task.objectX, task.objectY})
                fields << QString::number(value, 'g', 17);
            print(stdout, fields.join(QLatin1Char(' ')) + QLatin1Char('\n'));
        }
        return 0;
    }
    // A setup that cannot be read is reported here when no window will say it.
    const bool windowless = parser.isSet(worksheet) || !sessionHasDisplay(parser);
    if (windowless && !s_setupFile.isEmpty()) {
        const SetupFile::Result read = SetupFile::read(s_setupFile);
        if (!read.setup) {
            print(stderr, program + QStringLiteral(": ") + s_setupFile + QStringLiteral(": ") +
                              read.problem + QLatin1Char('\n'));
            return 2;
        }
    }
    if (parser.isSet(worksheet))
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
