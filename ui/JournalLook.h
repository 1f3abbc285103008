#pragma once

class QAbstractItemModel;
class QString;
class QTableView;
class QWidget;

namespace pelmora {

// The journal's windows have the system's frame and Qt's layouts, since their tables grow, but
// the program's colours: white words on the black of its pictures, and boxes and tables white
// like its text boxes.
void giveProgramColours(QWidget& window);

// A table of the journal's windows: rows selected whole, one at a time, in alternating colours,
// Tab leaving it for the next control, each column as wide as its cells and the last the rest.
QTableView* journalTable(QWidget* parent, const char* name, const QString& accessibleName,
                         QAbstractItemModel* model);

} // namespace pelmora
