#pragma once

#include "rigaregistro.h"
#include "sceltaproblema.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class QThread;

// The review queue of whoever is playing. A pupil's is folded from the
// pupil's rows in the record folder, every computer's files, read when the
// pupil is chosen: so it follows the child to another computer that shares
// the folder, and over a restart. A visitor's is kept in memory until the
// program closes.
//
// A school year of a class is a hundred thousand rows, and the folder may
// be on a server: the reading runs on a thread of its own and its rows come
// back to the user-interface thread by the thread's queued "finished". The
// child plays meanwhile; the problems that end before the rows arrive are
// told again after them.
class Ripasso : public QObject
{
    Q_OBJECT
public:
    Ripasso();
    // A reading still running is waited for: its rows would be told to a
    // queue that is gone.
    ~Ripasso() override;

    // Who plays now ("" a visitor), the record folder the class writes to
    // and the titles its columns may have.
    void scegli(const QString &alunno, const QString &cartella, const TitoliRegistro &titoli = {});
    // A problem of who plays ended (its row was written or not). A pupil
    // renamed while playing keeps the queue.
    void annota(const RigaRegistro &r);

    const SceltaProblema &scelta() const { return m_alunno.isEmpty() ? m_ospite : m_scelta; }
    // The pupil's rows have been read (always, for a visitor).
    bool pronto() const { return !m_lettura && !m_daRileggere; }

Q_SIGNALS:
    // The pupil's rows have been folded into the queue.
    void storiaLetta();

private:
    void leggi();
    void letta();

    SceltaProblema m_ospite;
    SceltaProblema m_scelta; // the pupil's
    QString m_alunno;
    QString m_cartella;
    TitoliRegistro m_titoli;
    // The reading running, its rows (written by its thread until it
    // finishes), and whether another pupil has been chosen since it began.
    QThread *m_lettura = nullptr;
    std::shared_ptr<std::vector<RigaRegistro>> m_righe;
    bool m_daRileggere = false;
    std::vector<RigaRegistro> m_nelFrattempo; // rows told while reading
};
