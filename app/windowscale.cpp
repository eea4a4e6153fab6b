#include "windowscale.h"

#include "windowsize.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include <unistd.h>

namespace {

// Passed to the program started again: the size to use, the size that did
// not fit, and the scale factor the user's environment asked for at first.
const char SizeVariable[] = "ZENUVIO_SIZE";
const char ReducedVariable[] = "ZENUVIO_SIZE_REDUCED_FROM";
const char BaseVariable[] = "ZENUVIO_BASE_SCALE_FACTOR";
const char NoBase[] = "-";

// Room for the window manager's frame around the largest window, in physical pixels.
const QSize FrameAllowance(16, 48);

char **savedArguments = nullptr;
// The folder the program was started in, where a file named on the command
// line is to be found again when the program starts again.
QByteArray startFolder;

QSettings settings()
{
    return QSettings(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("Zenuvio"),
                     QStringLiteral("Zenuvio"));
}

} // namespace

namespace WindowScale {

int prepare(int, char **argv, int fromCommandLine)
{
    savedArguments = argv;
    startFolder = QDir::currentPath().toLocal8Bit();
    if (!qEnvironmentVariableIsSet(BaseVariable)) {
        const QByteArray base = qgetenv("QT_SCALE_FACTOR");
        qputenv(BaseVariable, base.isEmpty() ? QByteArray(NoBase) : base);
    }
    int percent = qEnvironmentVariableIntValue(SizeVariable);
    if (percent <= 0)
        percent = fromCommandLine;
    if (percent <= 0)
        percent = settings().value(SettingsKey, WindowSize::Normal).toInt();
    percent = WindowSize::listed(percent);

    const QByteArray base = qgetenv(BaseVariable);
    bool ok = false;
    const double baseFactor = base == NoBase ? 1.0 : base.toDouble(&ok);
    const double factor = (ok || base == NoBase ? baseFactor : 1.0) * percent / 100.0;
    if (factor == 1.0 && base == NoBase)
        qunsetenv("QT_SCALE_FACTOR");
    else
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
    return percent;
}

void ensureFits(int current, QSize largestWindow)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const int fits =
        WindowSize::fitting(current, current, largestWindow, FrameAllowance,
                            screen->availableGeometry().size(), screen->devicePixelRatio());
    if (fits < current)
        restartAt(fits, current);
}

bool restartAt(int percent, int reducedFrom)
{
    settings().setValue(SettingsKey, percent);
    qputenv(SizeVariable, QByteArray::number(percent));
    if (reducedFrom > 0)
        qputenv(ReducedVariable, QByteArray::number(reducedFrom));
    else
        qunsetenv(ReducedVariable);
    const QByteArray program = QCoreApplication::applicationFilePath().toLocal8Bit();
    if (savedArguments) {
        if (!startFolder.isEmpty() && ::chdir(startFolder.constData()) != 0)
            return false;
        ::execv(program.constData(), savedArguments);
    }
    // The program could not be started again: it goes on at the size in use.
    qunsetenv(SizeVariable);
    qunsetenv(ReducedVariable);
    return false;
}

QString reducedNotice()
{
    const int from = qEnvironmentVariableIntValue(ReducedVariable);
    const int now = qEnvironmentVariableIntValue(SizeVariable);
    qunsetenv(ReducedVariable);
    if (from <= 0 || now <= 0)
        return {};
    return QStringLiteral("Alla dimensione del %1 le finestre di Zenuvio non entrano in questo "
                          "schermo: Zenuvio usa il %2, la dimensione più grande che entra.")
        .arg(WindowSize::text(from), WindowSize::text(now));
}

} // namespace WindowScale
