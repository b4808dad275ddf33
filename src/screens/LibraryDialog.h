// The chart library on the screens: the "Open Chart…" dialog with its list
// that filters as the user types, the questions a save and a delete ask, and
// the "Recent Charts" submenu.
#pragma once

#include "store/ChartLibrary.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QMenu>
#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace orbenza {

// "Sat 15 June 1985"-free plain forms used in the list: "1985-06-15 14:30".
QString chartWhenText(const store::ChartSummary& summary);
// City, state and country joined by ", ", the empty ones left out.
QString chartPlaceText(const std::string& city, const std::string& state,
                       const std::string& country);

// The library's charts as a list of name, date and time, place, narrowed by
// a filter: every blank-separated word of the filter must occur in the name,
// the date and time or the place, ignoring case.
class ChartListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NameColumn, WhenColumn, PlaceColumn, ColumnCount };

    explicit ChartListModel(QObject* parent = nullptr);

    void setCharts(std::vector<store::ChartSummary> charts);
    void setFilter(const QString& filter);
    const QString& filter() const { return m_filter; }

    // The chart shown in a row.
    const store::ChartSummary& chartAt(int row) const;
    // The row that shows a chart, -1 when it is filtered out or unknown.
    int rowOf(std::int64_t id) const;
    int totalCount() const { return static_cast<int>(m_charts.size()); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row {
        store::ChartSummary summary;
        QString name, when, place;
        QString folded; // name, when and place, folded as the filter compares them
    };
    void applyFilter();

    std::vector<Row> m_charts;
    std::vector<int> m_shown; // indexes into m_charts, in list order
    QString m_filter;
};

// What a second save of the same person asks.
enum class SaveChoice { Update, KeepBoth, Cancel };
using SaveChoiceAsker = std::function<SaveChoice(QWidget* parent, const QString& name)>;
// Replaces the question (nullptr restores the real message box); returns the
// previous one.
SaveChoiceAsker setSaveChoiceAsker(SaveChoiceAsker asker);
SaveChoice askSaveChoice(QWidget* parent, const QString& name);

// Asks whether to delete the chart of name; true to delete.
using DeleteConfirmer = std::function<bool(QWidget* parent, const QString& name)>;
DeleteConfirmer setDeleteConfirmer(DeleteConfirmer confirmer);
bool confirmDelete(QWidget* parent, const QString& name);

// "Open Chart…": the list of the library with a filter box; "Open" (or a
// double click, or Enter) and "Edit" close it with the chosen chart; "Delete"
// removes the selected chart after a confirmation and stays open.
class OpenChartDialog : public QDialog {
    Q_OBJECT

public:
    enum class Choice { None, Open, Edit };

    OpenChartDialog(store::ChartLibrary& library, QWidget* parent = nullptr);

    // Reads the list from the library again; false (with the library's error
    // shown in the dialog) when it cannot be read.
    bool reload();

    Choice choice() const { return m_choice; }
    std::int64_t chosenId() const { return m_chosenId; }

    QLineEdit* filterBox() const { return m_filter; }
    QTreeView* list() const { return m_list; }
    ChartListModel* model() const { return m_model; }
    // Selects the row of the list (as shown, after filtering).
    void selectRow(int row);

public slots:
    void openSelected();
    void editSelected();
    void deleteSelected();
    // File → "Import AAF…": the readable charts of the chosen file are added
    // and the list read again; a message names the others. "Export AAF…"
    // writes every chart to the chosen file.
    void importAaf();
    void exportAaf();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::int64_t selectedId() const;
    void updateButtons();
    void choose(Choice choice);

    store::ChartLibrary& m_library;
    ChartListModel* m_model = nullptr;
    QLineEdit* m_filter = nullptr;
    QTreeView* m_list = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
    Choice m_choice = Choice::None;
    std::int64_t m_chosenId = 0;
};

// "Recent Charts": the last ten opened charts, read from the library each time
// the menu opens; choosing one calls open with its id.
class RecentChartsMenu : public QMenu {
    Q_OBJECT

public:
    using LibraryGetter = std::function<store::ChartLibrary*()>;
    using Opener = std::function<void(std::int64_t id)>;
    RecentChartsMenu(LibraryGetter library, Opener open, QWidget* parent = nullptr);

    // Fills the menu from the library now.
    void refresh();

private:
    LibraryGetter m_library;
    Opener m_open;
};

} // namespace orbenza
