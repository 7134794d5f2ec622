#include "core/page/ack_window.h"

CAckWindow::Epoch CAckWindow::Open() { return ++m_epoch; }

void CAckWindow::Record(bool bAccepted) {
    if (bAccepted)
        m_acknowledged = m_epoch.load();
    else
        m_acknowledged = 0;
}

bool CAckWindow::Acknowledged(Epoch epoch) const { return epoch != 0 && m_acknowledged.load() == epoch; }
