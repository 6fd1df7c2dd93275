#include "StartupReport.h"

#include <algorithm>

namespace {
struct Spread {
    double Min = 0, Median = 0, Max = 0;
};

Spread SpreadOf(const QList<StartupSample>& samples, double StartupSample::*field)
{
    QList<double> values;
    for (const StartupSample& sample : samples)
        values.append(sample.*field);
    if (values.isEmpty())
        return {};
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {values.front(), median, values.back()};
}

QString Cell(const Spread& spread, int decimals)
{
    return QStringLiteral("%1 / %2 / %3")
        .arg(spread.Min, 0, 'f', decimals)
        .arg(spread.Median, 0, 'f', decimals)
        .arg(spread.Max, 0, 'f', decimals);
}
}  // namespace

void StartupReport::Add(bool client, const StartupSample& sample)
{
    (client ? client_ : bare_).append(sample);
}

QString StartupReport::Table() const
{
    struct Row {
        const char* name;
        double StartupSample::*field;
        int decimals;
    };
    const Row rows[] = {{"spawn to window visible (ms)", &StartupSample::WindowMs, 0},
                        {"spawn to page loaded (ms)", &StartupSample::LoadMs, 0},
                        {"whole-tree PSS after load (MiB)", &StartupSample::PssMiB, 1}};
    QString table = QStringLiteral("| %1 runs each, min / median / max | bare view | client | client / bare (medians) |\n"
                                   "|---|---|---|---|\n")
                        .arg(std::min(bare_.size(), client_.size()));
    for (const Row& row : rows) {
        const Spread bare = SpreadOf(bare_, row.field), client = SpreadOf(client_, row.field);
        QString ratio = bare.Median > 0 ? QStringLiteral("%1x").arg(client.Median / bare.Median, 0, 'f', 2)
                                        : QStringLiteral("-");
        if (row.field == &StartupSample::PssMiB)
            ratio += QStringLiteral(" (%1%2 MiB)")
                         .arg(client.Median >= bare.Median ? QStringLiteral("+") : QString())
                         .arg(client.Median - bare.Median, 0, 'f', 1);
        table += QStringLiteral("| %1 | %2 | %3 | %4 |\n")
                     .arg(QLatin1String(row.name), Cell(bare, row.decimals), Cell(client, row.decimals), ratio);
    }
    return table;
}
