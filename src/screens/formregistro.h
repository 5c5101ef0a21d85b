#pragma once

#include "letturaregistro.h"
#include "quadro.h"
#include "riassunto.h"
#include "schermoscalato.h"
#include "stamparegistro.h"

#include <memory>

class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableWidget;
struct Contesto;
struct Scuola;

// The record view, for the adult: every record file of the record folder,
// summed up per pupil in a table, the chart of the pupil chosen in it, a
// filter by pupil and by dates, and "Stampa", which writes the same as a
// PDF, a page per pupil.
class FormRegistro : public SchermoScalato
{
    Q_OBJECT
public:
    static constexpr int LarghezzaProgetto = 9600;
    static constexpr int AltezzaProgetto = 7200;

    FormRegistro(Contesto &c, const Scuola &scuola);
    ~FormRegistro() override;

    void Form_Load() override;
    void Form_Activate() override;
    void chiusuraRichiesta() override { BottoneIndietro_Click(); }

    void BottoneStampa_Click();
    void BottoneIndietro_Click();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    // The numbers' columns fitted to their values, the names' to the rest.
    void dimensionaColonne();
    // The PDF "Stampa" writes today.
    QString fileStampa() const;
    void leggi();
    void aggiorna();
    void mostraGrafico(int riga);
    void mostraPadronanza(int riga);
    TestiRegistro testi() const;

    Contesto &c;
    const Scuola &m_scuola;
    LetturaRegistro m_lettura;
    FiltroRegistro m_filtro; // the table's
    std::vector<RiassuntoAlunno> m_riassunti;
    std::vector<QuadroAlunno> m_quadri; // the same pupils' sure and stuck parts
    QComboBox *ComboAlunno;
    QDateEdit *DataDal;
    QDateEdit *DataAl;
    QLabel *LabelAiuto;
    QTableWidget *TabellaAlunni;
    QTableWidget *TabellaPadronanza;
    QChartView *Grafico;
    QLabel *LabelFile;
    QPushButton *BottoneStampa;
    QPushButton *BottoneIndietro;
};
