#pragma once
// The two exercise catalogues: walls of buttons under small headings. Each
// button opens its screen (setting NumeroMassimo first where its row says)
// and closes the catalogue. Every button's screen returns to the catalogue
// that holds it.

#include "frame/navigation.h"

#include <QSize>
#include <QString>
#include <QWidget>
#include <vector>

class QPushButton;

struct CatalogueEntry {
    bool heading = false;
    QString name;          // Command12, Label5...
    QString caption;
    int left = 0, top = 0, width = 0, height = 0;   // twips
    QString target;        // the screen a button opens
    int numeroMassimo = 0; // 0: the button leaves NumeroMassimo alone
    int index = -1;        // index within a control array, -1 for none
};

struct CatalogueDesign {
    Catalogue catalogue = Catalogue::None;
    QString name;          // catalogueName(catalogue)
    QSize clientArea;      // twips
    QString firstInTab;
    std::vector<CatalogueEntry> entries;
};

const CatalogueDesign &numbersCatalogue();
const CatalogueDesign &graphicCatalogue();

class CatalogueScreen : public QWidget {
    Q_OBJECT
public:
    explicit CatalogueScreen(const CatalogueDesign &design, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPushButton *neighbour(const QPushButton *from, int key) const;
    void press(const CatalogueEntry &entry, QString place);

    std::vector<QPushButton *> buttons_;
};
