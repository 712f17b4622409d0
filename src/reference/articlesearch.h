#pragma once

#include <QString>
#include <QVariantList>

// The article query of the reference page, built from the three search boxes.
//
// A box that holds exactly "Все" (case-sensitive) sets no condition on what its field
// contains; every other text is looked for anywhere in the field, with "%" and "_" as
// patterns, untrimmed. The number and title stay conditions even at "Все", so articles
// without a number or a title drop out after the first search; the text box at "Все"
// drops its condition, while an empty text box still asks for some text.
//
// The box texts travel as bound parameters: a quote typed into a box is searched for
// like any other character and can never break the statement.
struct ArticleQuery {
    QString sql;
    QVariantList params;
};

ArticleQuery articleQuery(const QString &number, const QString &title, const QString &text);
