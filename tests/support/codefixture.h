#pragma once

#include <QString>

// A small Code database written for a test. Keys are short readable strings.
//
//   A  105    Убийство           points A1 (10: 6–15 years), A2 (10: 8–20 years; 11)
//   B  116.1  Побои              own sanctions: 1 штраф, 8 арест
//   C  158    Кража              points C1 (1 штраф; 10: до двух лет), C2 (10: до пяти лет);
//                                text with "quotes"
//   D  158.1  Мелкое хищение     own sanction 8; text with an apostrophe
//   E  NULL   Статья без номера  neither points nor sanctions
//   F  300    NULL title
//   G  301    Статья без текста  NULL text
//   H  1000   Все                text "все случаи ВСЕ"
namespace CodeFixture {

// Writes the database as `folder`/Zorvant.mdb and returns its path.
QString write(const QString &folder);

// The script that fills an empty database with the rows above (schema included).
QString script();

} // namespace CodeFixture
