#include "LibraryExchange.h"

#include "Hook.h"
#include "UserMessages.h"
#include "store/AafExchange.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QProgressDialog>
#include <QSaveFile>

namespace orbenza {

namespace {

// How many refused charts the report names before it counts the rest.
constexpr std::size_t kListedRefusals = 10;
// A progress dialog shows when storing takes longer than this.
constexpr int kProgressDelayMs = 1000;

// The texts' translation context.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(LibraryExchange)
};

QString problemText(const store::AafRefusal& refusal) {
    using store::AafProblem;
    switch (refusal.problem) {
    case AafProblem::A93Fields:
        return Texts::tr("an #A93 record needs 7 fields");
    case AafProblem::B93Fields:
        return Texts::tr("a #B93 record needs 5 fields");
    case AafProblem::MissingB93:
        return Texts::tr("the #A93 record has no #B93 record after it");
    case AafProblem::StrayB93:
        return Texts::tr("the #B93 record has no #A93 record before it");
    case AafProblem::Date:
        return Texts::tr("the date is not day.month.year");
    case AafProblem::Time:
        return Texts::tr("the time is not hh:mm");
    case AafProblem::UnknownTime:
        return Texts::tr("the date or the time of birth is unknown");
    case AafProblem::Latitude:
        return Texts::tr("the latitude cannot be read");
    case AafProblem::Longitude:
        return Texts::tr("the longitude cannot be read");
    case AafProblem::Zone:
        return Texts::tr("the zone difference cannot be read");
    case AafProblem::SummerTime:
        return Texts::tr("the summer time flag is not 0 or 1");
    case AafProblem::JulianDay:
        return Texts::tr("the Julian day is not a number");
    case AafProblem::UnknownClock:
        return Texts::tr("both the zone difference and the Julian day are unknown");
    case AafProblem::Disagrees:
        return Texts::tr("the Julian day disagrees with the date, time and zone");
    case AafProblem::Record:
        return refusal.input ? inputProblemText(*refusal.input)
                             : QString::fromStdString(refusal.detail);
    case AafProblem::None:
        break;
    }
    return {};
}

QString runFileDialog(QWidget* parent, bool forSaving) {
    const QString filter = Texts::tr("AAF files (*.aaf *.txt);;All files (*)");
    return forSaving ? QFileDialog::getSaveFileName(parent, Texts::tr("Export Charts as AAF"),
                                                    QString(), filter)
                     : QFileDialog::getOpenFileName(parent, Texts::tr("Import Charts from AAF"),
                                                    QString(), filter);
}

AafFileChooser& fileChooser() {
    static AafFileChooser chooser = runFileDialog;
    return chooser;
}

ExchangeReport failure(const QString& text) {
    return {text, MessageIcon::Error, 0};
}

} // namespace

AafFileChooser setAafFileChooser(AafFileChooser chooser) {
    return replaceHook(fileChooser(), std::move(chooser), AafFileChooser(runFileDialog));
}

QString chooseAafFile(QWidget* parent, bool forSaving) {
    return fileChooser()(parent, forSaving);
}

ExchangeReport importAafCharts(store::ChartLibrary& library, const QString& path, QWidget* parent) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(Texts::tr("Cannot read %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    store::AafRead read = store::readAaf(std::string_view(bytes.constData(), bytes.size()));
    if (read.a93Lines == 0)
        return failure(Texts::tr("%1 holds no #A93 record; is it an AAF file?").arg(path));

    if (!read.records.empty()) {
        QProgressDialog progress(Texts::tr("Importing charts…"), QString(), 0,
                                 static_cast<int>(read.records.size()), parent);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(kProgressDelayMs);
        const bool stored = library.addAll(
            read.records, [&](std::size_t done) { progress.setValue(static_cast<int>(done)); });
        if (!stored)
            return failure(QString::fromStdString(library.error()));
    }
    ExchangeReport report;
    report.charts = static_cast<int>(read.records.size());
    report.text = Texts::tr("Charts imported: %1.").arg(report.charts);
    if (!read.refusals.empty()) {
        report.icon = MessageIcon::Error;
        report.text += QLatin1Char(' ') +
                       Texts::tr("Charts that could not be read: %1").arg(read.refusals.size());
        for (std::size_t i = 0; i < read.refusals.size() && i < kListedRefusals; ++i)
            report.text += QLatin1Char('\n') + Texts::tr("line %1: %2")
                                                   .arg(read.refusals[i].line)
                                                   .arg(problemText(read.refusals[i]));
        if (read.refusals.size() > kListedRefusals)
            report.text += QLatin1Char('\n') +
                           Texts::tr("and %1 more.").arg(read.refusals.size() - kListedRefusals);
    }
    return report;
}

ExchangeReport exportAafCharts(store::ChartLibrary& library, const QString& path) {
    const std::vector<store::ChartRecord> records = library.all();
    if (library.fault() != store::LibraryFault::None)
        return failure(QString::fromStdString(library.error()));
    std::string text;
    int altered = 0;
    for (const auto& record : records) {
        altered += store::aafAltersTexts(record) ? 1 : 0;
        text += store::aafOfRecord(record);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit())
        return failure(Texts::tr("Cannot write %1: %2").arg(path, file.errorString()));
    ExchangeReport report;
    report.charts = static_cast<int>(records.size());
    report.text = Texts::tr("Charts exported: %1.").arg(report.charts);
    if (altered > 0)
        report.text +=
            QLatin1Char(' ') +
            Texts::tr("Charts with a comma or line break written as a semicolon or a space: %1.")
                .arg(altered);
    return report;
}

} // namespace orbenza
