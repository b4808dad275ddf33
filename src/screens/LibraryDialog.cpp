#include "LibraryDialog.h"

#include "BirthDetailsScreen.h"
#include "Hook.h"
#include "LibraryExchange.h"
#include "UserMessages.h"

#include <QDialogButtonBox>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace orbenza {

namespace {

// A text as the filter compares it: case folded, accents and other marks
// taken off letters ("Zoë" and "ZOË" read "zoe"), and the letters that carry
// their stroke inside them written plainly ("Tromsø" reads "tromso"), as the
// City box's search reads place names.
QString searchFolded(const QString& text) {
    static const QHash<char32_t, QString> plain{
        {U'ø', QStringLiteral("o")},  {U'ł', QStringLiteral("l")},  {U'đ', QStringLiteral("d")},
        {U'ħ', QStringLiteral("h")},  {U'ı', QStringLiteral("i")},  {U'æ', QStringLiteral("ae")},
        {U'œ', QStringLiteral("oe")}, {U'þ', QStringLiteral("th")}, {U'ð', QStringLiteral("d")}};
    const QString decomposed = text.toCaseFolded().normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const char32_t c : decomposed.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
            category == QChar::Mark_SpacingCombining)
            continue;
        if (const auto found = plain.constFind(c); found != plain.constEnd())
            folded += *found;
        else
            folded += QString::fromUcs4(&c, 1);
    }
    return folded;
}

QString fromStd(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

SaveChoice realSaveChoice(QWidget* parent, const QString& name) {
    QMessageBox box(QMessageBox::Question, programCaption(),
                    QObject::tr("The library already holds a chart of %1. Update that chart, "
                                "or keep both?")
                        .arg(name),
                    QMessageBox::NoButton, parent);
    QPushButton* update = box.addButton(QObject::tr("&Update"), QMessageBox::AcceptRole);
    QPushButton* both = box.addButton(QObject::tr("&Keep Both"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    nameStandardButtons(&box);
    box.setDefaultButton(update);
    box.exec();
    if (box.clickedButton() == update)
        return SaveChoice::Update;
    if (box.clickedButton() == both)
        return SaveChoice::KeepBoth;
    return SaveChoice::Cancel;
}

bool realDeleteConfirm(QWidget* parent, const QString& name) {
    QMessageBox box(QMessageBox::Question, programCaption(),
                    QObject::tr("Delete the chart of %1 from the library?").arg(name),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    nameStandardButtons(&box);
    return box.exec() == QMessageBox::Yes;
}

SaveChoiceAsker& saveChoiceAsker() {
    static SaveChoiceAsker asker = realSaveChoice;
    return asker;
}

DeleteConfirmer& deleteConfirmer() {
    static DeleteConfirmer confirmer = realDeleteConfirm;
    return confirmer;
}

} // namespace

QString chartWhenText(const store::ChartSummary& s) {
    QString text = QStringLiteral("%1-%2-%3 %4:%5")
                       .arg(s.year, 4, 10, QLatin1Char('0'))
                       .arg(s.month, 2, 10, QLatin1Char('0'))
                       .arg(s.day, 2, 10, QLatin1Char('0'))
                       .arg(s.hour, 2, 10, QLatin1Char('0'))
                       .arg(s.minute, 2, 10, QLatin1Char('0'));
    if (s.second != 0)
        text += QStringLiteral(":%1").arg(s.second, 2, 10, QLatin1Char('0'));
    return text;
}

QString chartPlaceText(const std::string& city, const std::string& state,
                       const std::string& country) {
    QStringList parts;
    for (const std::string* part : {&city, &state, &country}) {
        if (!part->empty())
            parts << fromStd(*part);
    }
    return parts.join(QStringLiteral(", "));
}

SaveChoiceAsker setSaveChoiceAsker(SaveChoiceAsker asker) {
    return replaceHook(saveChoiceAsker(), std::move(asker), SaveChoiceAsker(realSaveChoice));
}

SaveChoice askSaveChoice(QWidget* parent, const QString& name) {
    return saveChoiceAsker()(parent, name);
}

DeleteConfirmer setDeleteConfirmer(DeleteConfirmer confirmer) {
    return replaceHook(deleteConfirmer(), std::move(confirmer), DeleteConfirmer(realDeleteConfirm));
}

bool confirmDelete(QWidget* parent, const QString& name) {
    return deleteConfirmer()(parent, name);
}

// ---------------------------------------------------------------------------

ChartListModel::ChartListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ChartListModel::setCharts(std::vector<store::ChartSummary> charts) {
    beginResetModel();
    m_charts.clear();
    m_charts.reserve(charts.size());
    for (auto& summary : charts) {
        Row row;
        row.name = fromStd(summary.name);
        row.when = chartWhenText(summary);
        row.place = chartPlaceText(summary.city, summary.state, summary.country);
        row.folded =
            searchFolded(row.name + QLatin1Char('\n') + row.when + QLatin1Char('\n') + row.place);
        row.summary = std::move(summary);
        m_charts.push_back(std::move(row));
    }
    applyFilter();
    endResetModel();
}

void ChartListModel::setFilter(const QString& filter) {
    if (filter == m_filter)
        return;
    beginResetModel();
    m_filter = filter;
    applyFilter();
    endResetModel();
}

void ChartListModel::applyFilter() {
    const QStringList words = searchFolded(m_filter).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    m_shown.clear();
    m_shown.reserve(m_charts.size());
    for (std::size_t i = 0; i < m_charts.size(); ++i) {
        bool match = true;
        for (const QString& word : words) {
            if (!m_charts[i].folded.contains(word)) {
                match = false;
                break;
            }
        }
        if (match)
            m_shown.push_back(static_cast<int>(i));
    }
}

const store::ChartSummary& ChartListModel::chartAt(int row) const {
    return m_charts[static_cast<std::size_t>(m_shown[static_cast<std::size_t>(row)])].summary;
}

int ChartListModel::rowOf(std::int64_t id) const {
    for (std::size_t row = 0; row < m_shown.size(); ++row) {
        if (m_charts[static_cast<std::size_t>(m_shown[row])].summary.id == id)
            return static_cast<int>(row);
    }
    return -1;
}

int ChartListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int ChartListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ChartListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const Row& row =
        m_charts[static_cast<std::size_t>(m_shown[static_cast<std::size_t>(index.row())])];
    switch (index.column()) {
    case NameColumn:
        return row.name;
    case WhenColumn:
        return row.when;
    case PlaceColumn:
        return row.place;
    default:
        return {};
    }
}

QVariant ChartListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    switch (section) {
    case NameColumn:
        return tr("Name");
    case WhenColumn:
        return tr("Date and time");
    case PlaceColumn:
        return tr("Place");
    default:
        return {};
    }
}

// ---------------------------------------------------------------------------

OpenChartDialog::OpenChartDialog(store::ChartLibrary& library, QWidget* parent)
    : QDialog(parent), m_library(library) {
    setWindowTitle(tr("Open Chart"));
    setObjectName(QStringLiteral("OpenChartDialog"));
    m_model = new ChartListModel(this);

    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("libraryFilter"));
    m_filter->setPlaceholderText(tr("Type part of a name, a date or a place"));
    m_filter->setClearButtonEnabled(true);

    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("libraryList"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setModel(m_model);
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(ChartListModel::NameColumn, 220);
    m_list->setColumnWidth(ChartListModel::WhenColumn, 150);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("libraryStatus"));

    auto* buttons = new QDialogButtonBox(this);
    m_open = buttons->addButton(tr("&Open"), QDialogButtonBox::AcceptRole);
    m_edit = buttons->addButton(tr("&Edit"), QDialogButtonBox::ActionRole);
    m_delete = buttons->addButton(tr("&Delete"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    nameStandardButtons(buttons);
    m_open->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    QMenu* fileMenu = menuBar->addMenu(tr("&File"));
    fileMenu->addAction(tr("&Import AAF…"), this, &OpenChartDialog::importAaf);
    fileMenu->addAction(tr("&Export AAF…"), this, &OpenChartDialog::exportAaf);
    layout->setMenuBar(menuBar);
    layout->addWidget(m_filter);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    resize(680, 460);

    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_model->setFilter(text);
        if (m_model->rowCount() > 0)
            selectRow(0);
        updateButtons();
    });
    // Up and Down in the filter box move through the list and Enter opens the
    // chosen chart, so the keyboard never has to leave the box.
    m_filter->installEventFilter(this);
    connect(m_open, &QPushButton::clicked, this, &OpenChartDialog::openSelected);
    connect(m_edit, &QPushButton::clicked, this, &OpenChartDialog::editSelected);
    connect(m_delete, &QPushButton::clicked, this, &OpenChartDialog::deleteSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeView::activated, this, &OpenChartDialog::openSelected);
    connect(m_model, &QAbstractItemModel::modelReset, this, &OpenChartDialog::updateButtons);

    reload();
    m_filter->setFocus();
}

void OpenChartDialog::importAaf() {
    const QString path = chooseAafFile(this, false);
    if (path.isEmpty())
        return;
    const ExchangeReport report = importAafCharts(m_library, path, this);
    reload();
    showUserMessage(this, report.text, report.icon);
}

void OpenChartDialog::exportAaf() {
    const QString path = chooseAafFile(this, true);
    if (path.isEmpty())
        return;
    const ExchangeReport report = exportAafCharts(m_library, path);
    showUserMessage(this, report.text, report.icon);
}

bool OpenChartDialog::reload() {
    std::vector<store::ChartSummary> charts = m_library.summaries();
    const bool ok = m_library.fault() == store::LibraryFault::None;
    m_model->setCharts(std::move(charts));
    if (m_model->rowCount() > 0)
        selectRow(0);
    if (!ok)
        m_status->setText(QString::fromStdString(m_library.error()));
    updateButtons();
    return ok;
}

void OpenChartDialog::selectRow(int row) {
    const QModelIndex index = m_model->index(row, 0);
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    m_list->scrollTo(index);
    updateButtons();
}

std::int64_t OpenChartDialog::selectedId() const {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return 0;
    return m_model->chartAt(rows.first().row()).id;
}

void OpenChartDialog::updateButtons() {
    const bool selected = selectedId() != 0;
    m_open->setEnabled(selected);
    m_edit->setEnabled(selected);
    m_delete->setEnabled(selected);
    if (m_library.fault() == store::LibraryFault::None || m_status->text().isEmpty())
        m_status->setText(m_model->filter().isEmpty()
                              ? tr("%n chart(s) in the library", nullptr, m_model->totalCount())
                              : tr("%n of %1 chart(s) shown", nullptr, m_model->rowCount())
                                    .arg(m_model->totalCount()));
}

void OpenChartDialog::choose(Choice choice) {
    const std::int64_t id = selectedId();
    if (id == 0)
        return;
    m_choice = choice;
    m_chosenId = id;
    accept();
}

bool OpenChartDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openSelected();
            return true;
        }
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && m_model->rowCount() > 0) {
            const int current =
                m_list->currentIndex().isValid() ? m_list->currentIndex().row() : -1;
            const int next = key == Qt::Key_Down ? std::min(current + 1, m_model->rowCount() - 1)
                                                 : std::max(current - 1, 0);
            selectRow(next);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OpenChartDialog::openSelected() {
    choose(Choice::Open);
}
void OpenChartDialog::editSelected() {
    choose(Choice::Edit);
}

void OpenChartDialog::deleteSelected() {
    const std::int64_t id = selectedId();
    if (id == 0)
        return;
    const int row = m_model->rowOf(id);
    const QString name = fromStd(m_model->chartAt(row).name);
    if (!confirmDelete(this, name))
        return;
    if (!m_library.remove(id)) {
        m_status->setText(QString::fromStdString(m_library.error()));
        return;
    }
    m_model->setCharts(m_library.summaries());
    if (m_model->rowCount() > 0)
        selectRow(std::min(row, m_model->rowCount() - 1));
    updateButtons();
}

// ---------------------------------------------------------------------------

RecentChartsMenu::RecentChartsMenu(LibraryGetter library, Opener open, QWidget* parent)
    : QMenu(tr("Recent &Charts"), parent), m_library(std::move(library)), m_open(std::move(open)) {
    setObjectName(QStringLiteral("recentCharts"));
    connect(this, &QMenu::aboutToShow, this, &RecentChartsMenu::refresh);
}

void RecentChartsMenu::refresh() {
    clear();
    store::ChartLibrary* library = m_library();
    const auto recent =
        library != nullptr ? library->recent(10) : std::vector<store::ChartSummary>{};
    if (recent.empty()) {
        addAction(tr("(none)"))->setEnabled(false);
        return;
    }
    int number = 1;
    for (const auto& chart : recent) {
        const QString label =
            QStringLiteral("&%1 %2 \u2014 %3")
                .arg(number % 10)
                .arg(fromStd(chart.name).replace(QLatin1Char('&'), QStringLiteral("&&")))
                .arg(chartWhenText(chart));
        const std::int64_t id = chart.id;
        connect(addAction(label), &QAction::triggered, this, [this, id] { m_open(id); });
        ++number;
    }
}

} // namespace orbenza
