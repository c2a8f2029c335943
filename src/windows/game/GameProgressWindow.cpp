// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameProgressWindow.h"

#include "core/game/Progress.h"
#include "windows/game/Runner.h"
#include "windows/ui/Colours.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

// One chart, drawn from plain numbers: a line of values game by game, pairs of bars, or
// a calendar of days.
class ProgressChart : public QWidget {
public:
    enum class Kind { Line, Bars, Days };

    ProgressChart(Kind kind, const QString& title, QWidget* parent) : QWidget(parent), m_kind(kind), m_title(title)
    {
        setMinimumSize(360, 220);
    }

    // Line: one value a game, labels the first and last game's dates; `percent` scales
    // the axis to 100.
    void setLine(std::vector<double> values, QString first, QString last, bool percent)
    {
        m_values = std::move(values);
        m_first = std::move(first);
        m_last = std::move(last);
        m_percent = percent;
        update();
    }
    // Bars: for each label, a pair (found, held).
    void setBars(std::vector<QString> labels, std::vector<std::pair<int, int>> pairs)
    {
        m_labels = std::move(labels);
        m_pairs = std::move(pairs);
        update();
    }
    // Days: the days played (yyyy-mm-dd) up to `today`, and a line under them.
    void setDays(std::set<QDate> days, QDate today, QString caption)
    {
        m_days = std::move(days);
        m_today = today;
        m_caption = std::move(caption);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), palette().base());
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        QFont bold = font();
        bold.setBold(true);
        p.setFont(bold);
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRect(8, 4, width() - 16, 20), Qt::AlignLeft | Qt::AlignVCenter, m_title);
        p.setFont(font());
        const QRect area(44, 30, width() - 56, height() - 58);
        if (m_kind == Kind::Days)
            drawDays(p, area.adjusted(-36, 0, 0, 0));
        else if (m_kind == Kind::Line ? m_values.empty() : m_pairs.empty())
            p.drawText(area, Qt::AlignCenter, tr("No games yet"));
        else if (m_kind == Kind::Line)
            drawLine(p, area);
        else
            drawBars(p, area);
    }

private:
    // The axis' top: a round number at or above `most`.
    static double Top(double most)
    {
        double step = 1;
        while (step * 10 < most)
            step *= 10;
        for (double m : {1.0, 2.0, 5.0, 10.0})
            if (step * m >= most)
                return step * m;
        return step * 10;
    }

    void drawAxis(QPainter& p, const QRect& area, double top) const
    {
        p.setPen(palette().color(QPalette::Mid));
        for (int i = 0; i <= 4; ++i) {
            const int y = area.bottom() - area.height() * i / 4;
            p.drawLine(area.left(), y, area.right(), y);
            p.drawText(QRect(0, y - 8, area.left() - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(top * i / 4) + (m_percent ? QStringLiteral("%") : QString()));
        }
    }

    void drawLine(QPainter& p, const QRect& area) const
    {
        const double top = m_percent ? 100 : Top(*std::max_element(m_values.begin(), m_values.end()));
        drawAxis(p, area, top);
        const int n = int(m_values.size());
        const auto at = [&](int i) {
            const double x = n == 1 ? area.center().x() : area.left() + double(area.width()) * i / (n - 1);
            return QPointF(x, area.bottom() - area.height() * std::min(m_values[std::size_t(i)], top) / top);
        };
        const QColor colour =
            Colours::ChartMark(m_percent ? QColor(30, 140, 60) : QColor(40, 90, 200), palette());
        p.setPen(QPen(colour, 2));
        for (int i = 1; i < n; ++i)
            p.drawLine(at(i - 1), at(i));
        p.setBrush(colour);
        for (int i = 0; i < n; ++i)
            p.drawEllipse(at(i), 3, 3);
        // The mean, dashed, to read the games against.
        double sum = 0;
        for (double v : m_values)
            sum += v;
        const double y = area.bottom() - area.height() * std::min(sum / n, top) / top;
        p.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DashLine));
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRect(area.left(), area.bottom() + 4, area.width(), 18), Qt::AlignLeft, m_first);
        p.drawText(QRect(area.left(), area.bottom() + 4, area.width(), 18), Qt::AlignRight, m_last);
        p.drawText(QRect(area.left(), area.bottom() + 4, area.width(), 18), Qt::AlignHCenter,
                   tr("mean %1%2").arg(sum / n, 0, 'f', m_percent ? 0 : 1).arg(m_percent ? QStringLiteral("%") : QString()));
    }

    void drawBars(QPainter& p, const QRect& area) const
    {
        int most = 1;
        for (const auto& [found, held] : m_pairs)
            most = std::max({most, found, held});
        const double top = Top(most);
        drawAxis(p, area, top);
        const int n = int(m_pairs.size());
        const double slot = double(area.width()) / n;
        const QColor heldColour = Colours::ChartMark(QColor(255, 192, 128), palette());
        const QColor foundColour = Colours::ChartMark(QColor(40, 90, 200), palette());
        for (int i = 0; i < n; ++i) {
            const auto [found, held] = m_pairs[std::size_t(i)];
            const double x = area.left() + slot * i;
            const double w = slot * 0.38;
            const auto bar = [&](double left, int value, const QColor& colour) {
                const double h = area.height() * value / top;
                p.fillRect(QRectF(left, area.bottom() - h, w, h), colour);
            };
            bar(x + slot * 0.1, held, heldColour);
            bar(x + slot * 0.1 + w, found, foundColour);
            p.setPen(palette().color(QPalette::Text));
            p.drawText(QRectF(x, area.bottom() + 2, slot, 16), Qt::AlignCenter, m_labels[std::size_t(i)]);
        }
        // The key, top right.
        const QFontMetrics metrics(font());
        int x = width() - 8;
        for (const auto& [text, colour] : {std::pair(tr("found"), foundColour), std::pair(tr("on the boards"), heldColour)}) {
            x -= metrics.horizontalAdvance(text);
            p.setPen(palette().color(QPalette::Text));
            p.drawText(QRect(x, 6, metrics.horizontalAdvance(text), 16), Qt::AlignVCenter, text);
            x -= 16;
            p.fillRect(QRect(x, 9, 11, 11), colour);
            x -= 12;
        }
        p.drawText(QRect(area.left(), area.bottom() + 16, area.width(), 14), Qt::AlignHCenter, tr("letters"));
    }

    // Ten weeks, a column a week from Monday, the played days filled.
    void drawDays(QPainter& p, const QRect& area) const
    {
        const int weeks = 10;
        const int cell = std::min((area.width() - 40) / weeks, (area.height() - 24) / 7) - 2;
        const QDate monday = m_today.addDays(1 - m_today.dayOfWeek());
        const QDate start = monday.addDays(-7 * (weeks - 1));
        const QStringList names{tr("Mon"), tr("Wed"), tr("Fri")};
        p.setPen(palette().color(QPalette::Text));
        for (int row = 0; row < 3; ++row)
            p.drawText(QRect(area.left(), area.top() + (2 * row) * (cell + 2), 36, cell), Qt::AlignVCenter, names[row]);
        for (int w = 0; w < weeks; ++w)
            for (int d = 0; d < 7; ++d) {
                const QDate day = start.addDays(7 * w + d);
                if (day > m_today)
                    continue;
                const QRect box(area.left() + 40 + w * (cell + 2), area.top() + d * (cell + 2), cell, cell);
                p.fillRect(box, m_days.count(day) ? Colours::ChartMark(QColor(30, 140, 60), palette()) : palette().color(QPalette::AlternateBase).darker(108));
                if (day == m_today) {
                    p.setPen(palette().color(QPalette::Text));
                    p.drawRect(box);
                }
            }
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRect(area.left(), area.top() + 7 * (cell + 2) + 2, area.width(), 20), Qt::AlignLeft, m_caption);
    }

    Kind m_kind;
    QString m_title;
    std::vector<double> m_values;
    QString m_first, m_last;
    bool m_percent = false;
    std::vector<QString> m_labels;
    std::vector<std::pair<int, int>> m_pairs;
    std::set<QDate> m_days;
    QDate m_today;
    QString m_caption;
};

namespace {

using SettingsKey = std::tuple<int, int, int, bool>; // type, time, smallest word, repeats

SettingsKey KeyOf(const Progress::GameRecord& g)
{
    return {g.GameType, g.TimeLimit, g.MinWordSize, g.RepeatLetters};
}

QString SettingsText(const SettingsKey& key)
{
    const auto [type, time, smallest, repeats] = key;
    QString text = type == 1 ? QObject::tr("Frantic") : QObject::tr("Standard");
    text += QStringLiteral(" %1:%2").arg(time / 60).arg(time % 60, 2, 10, QLatin1Char('0'));
    text += QObject::tr(", %1+ letters").arg(smallest);
    if (repeats)
        text += QObject::tr(", repeats");
    return text;
}

QString Games(std::size_t n)
{
    return n == 1 ? QObject::tr("1 game") : QObject::tr("%1 games").arg(n);
}

QString Day(const std::string& played)
{
    return QString::fromStdString(played.substr(0, 10));
}

} // namespace

GameProgressWindow::GameProgressWindow(Program& program, Runner& runner, QWidget* parent)
    : QDialog(parent), m_program(program), m_runner(runner)
{
    setObjectName(QStringLiteral("GameProgress"));
    setWindowTitle(tr("Lettro Progress"));
    setModal(true);
    LanguageFilter = new QComboBox(this);
    LanguageFilter->setObjectName(QStringLiteral("LanguageFilter"));
    SettingsFilter = new QComboBox(this);
    SettingsFilter->setObjectName(QStringLiteral("SettingsFilter"));
    ProgressSummary = new QLabel(this);
    ProgressSummary->setObjectName(QStringLiteral("ProgressSummary"));
    ProgressSummary->setWordWrap(true);
    using Kind = ProgressChart::Kind;
    PointsChart = new ProgressChart(Kind::Line, tr("Points, game by game"), this);
    PointsChart->setObjectName(QStringLiteral("PointsChart"));
    ShareChart = new ProgressChart(Kind::Line, tr("Share of the board's words found"), this);
    ShareChart->setObjectName(QStringLiteral("ShareChart"));
    LengthChart = new ProgressChart(Kind::Bars, tr("Words by length"), this);
    LengthChart->setObjectName(QStringLiteral("LengthChart"));
    StreakChart = new ProgressChart(Kind::Days, tr("Boards of the day played"), this);
    StreakChart->setObjectName(QStringLiteral("StreakChart"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("ProgressClose"));
    close->setDefault(true);

    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(tr("Board language:"), this));
    filters->addWidget(LanguageFilter);
    filters->addSpacing(12);
    filters->addWidget(new QLabel(tr("Settings:"), this));
    filters->addWidget(SettingsFilter);
    filters->addStretch();
    auto* charts = new QGridLayout;
    charts->addWidget(PointsChart, 0, 0);
    charts->addWidget(ShareChart, 0, 1);
    charts->addWidget(LengthChart, 1, 0);
    charts->addWidget(StreakChart, 1, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ProgressSummary, 1);
    bottom->addWidget(close, 0, Qt::AlignBottom);
    auto* column = new QVBoxLayout(this);
    column->addLayout(filters);
    column->addLayout(charts, 1);
    column->addLayout(bottom);

    connect(close, &QPushButton::clicked, this, &GameProgressWindow::reject);
    connect(LanguageFilter, &QComboBox::currentIndexChanged, this, [this] {
        fillFilters();
        showGames();
    });
    connect(SettingsFilter, &QComboBox::currentIndexChanged, this, [this] { showGames(); });
}

void GameProgressWindow::reject()
{
    hide();
    m_runner.returnToMain();
}

void GameProgressWindow::refresh()
{
    {
        const QSignalBlocker block(LanguageFilter);
        const QString chosen = LanguageFilter->currentData().toString();
        std::set<std::string> languages;
        for (const Progress::GameRecord& g : Progress::ReadGames(m_program))
            languages.insert(g.Language);
        LanguageFilter->clear();
        LanguageFilter->addItem(tr("All"), QString());
        for (const std::string& language : languages)
            LanguageFilter->addItem(QString::fromStdString(language).toUpper(),
                                    QString::fromStdString(language));
        LanguageFilter->setCurrentIndex(std::max(0, LanguageFilter->findData(chosen)));
    }
    fillFilters();
    showGames();
}

void GameProgressWindow::fillFilters()
{
    const QSignalBlocker block(SettingsFilter);
    const QString chosen = SettingsFilter->currentText();
    std::map<SettingsKey, int> settings;
    const Progress::Filter language{.Language = LanguageFilter->currentData().toString().toStdString()};
    for (const Progress::GameRecord& g : Progress::ReadGames(m_program, language))
        ++settings[KeyOf(g)];
    SettingsFilter->clear();
    SettingsFilter->addItem(tr("All"));
    for (const auto& [key, games] : settings)
        SettingsFilter->addItem(tr("%1 (%2)").arg(SettingsText(key), Games(std::size_t(games))),
                                QVariantList{std::get<0>(key), std::get<1>(key),
                                             std::get<2>(key), std::get<3>(key)});
    SettingsFilter->setCurrentIndex(std::max(0, SettingsFilter->findText(chosen)));
}

void GameProgressWindow::showGames()
{
    Progress::Filter filter{.Language = LanguageFilter->currentData().toString().toStdString()};
    const QVariantList key = SettingsFilter->currentData().toList();
    if (key.size() == 4) {
        filter.GameType = key[0].toInt();
        filter.TimeLimit = key[1].toInt();
        filter.MinWordSize = key[2].toInt();
        filter.RepeatLetters = key[3].toBool();
    }
    const std::vector<Progress::GameRecord> games = Progress::ReadGames(m_program, filter);
    std::vector<double> points, share;
    std::array<int, 17> found{}, held{};
    std::set<QDate> days;
    std::vector<std::string> dailyDates;
    int best = 0;
    for (const Progress::GameRecord& g : games) {
        points.push_back(g.Points);
        share.push_back(g.BoardWords > 0 ? 100.0 * g.WordsFound / g.BoardWords : 0);
        best = std::max(best, g.Points);
        for (std::size_t n = 0; n < found.size(); ++n) {
            found[n] += g.FoundByLength[n];
            held[n] += g.BoardByLength[n];
        }
        if (!g.DailyDate.empty()) {
            days.insert(QDate::fromString(QString::fromStdString(g.DailyDate), Qt::ISODate));
            dailyDates.push_back(g.DailyDate);
        }
    }
    const QString first = games.empty() ? QString() : Day(games.front().Played);
    const QString last = games.empty() ? QString() : Day(games.back().Played);
    PointsChart->setLine(points, first, last, false);
    ShareChart->setLine(share, first, last, true);
    std::vector<QString> labels;
    std::vector<std::pair<int, int>> pairs;
    for (std::size_t n = 0; n < found.size(); ++n)
        if (held[n] > 0 || found[n] > 0) {
            labels.push_back(n == found.size() - 1 ? QStringLiteral("%1+").arg(n) : QString::number(n));
            pairs.emplace_back(found[n], held[n]);
        }
    LengthChart->setBars(labels, pairs);
    const QDate today = QDate::currentDate();
    const Progress::Streaks streaks =
        Progress::DayStreaks(dailyDates, today.toString(Qt::ISODate).toStdString());
    StreakChart->setDays(days, today,
                         tr("Streak: %1 in a row; longest %2.")
                             .arg(streaks.Current == 1 ? tr("1 day") : tr("%1 days").arg(streaks.Current),
                                  streaks.Longest == 1 ? tr("1 day") : tr("%1 days").arg(streaks.Longest)));
    if (games.empty()) {
        ProgressSummary->setText(tr("No finished games recorded with these filters yet. Every "
                                    "finished single-player game is recorded."));
        return;
    }
    double sum = 0;
    for (double p : points)
        sum += p;
    ProgressSummary->setText(tr("%1 from %2 to %3; %4 points on average, %5 at best.")
                                 .arg(Games(games.size()), first, last)
                                 .arg(sum / double(games.size()), 0, 'f', 1)
                                 .arg(best));
}
