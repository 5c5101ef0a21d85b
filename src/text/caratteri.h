#pragma once

#include <QChar>

// A character that has no place in a name kept on one line and shown in a
// caption or a message: a control character (a line break among them) or a
// line or paragraph separator.
bool carattereDiControllo(QChar c);
