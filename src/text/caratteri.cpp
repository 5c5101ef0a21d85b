#include "caratteri.h"

bool carattereDiControllo(QChar c)
{
    const auto cat = c.category();
    return cat == QChar::Other_Control || cat == QChar::Separator_Line || cat == QChar::Separator_Paragraph;
}
