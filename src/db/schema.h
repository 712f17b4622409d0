#pragma once

#include <QString>

// The tables and fields the program relies on. Keys are GUID strings; rows without an
// ordering clause come back in insertion order, which is also the order in which an
// owner's points and sanctions are listed and walked.
inline QString codeSchemaSql()
{
    return QStringLiteral(
        "CREATE TABLE main (GUID TEXT PRIMARY KEY, NumberSt TEXT, NameSt TEXT, DateSt DATE,"
        " TextSt TEXT, Tyajest TEXT);\n"
        "CREATE TABLE Punkt (GUID TEXT PRIMARY KEY, ref_main TEXT, NameSetProof TEXT,"
        " Notes TEXT, Sankcia TEXT, Tyajest TEXT);\n"
        "CREATE INDEX Punkt_ref_main ON Punkt (ref_main);\n"
        "CREATE TABLE sankciya (ID TEXT PRIMARY KEY, ref_punkt TEXT, type_sankc INTEGER,"
        " uslovie TEXT, nakazanie TEXT);\n"
        "CREATE INDEX sankciya_ref_punkt ON sankciya (ref_punkt);\n"
        "CREATE TABLE sankc_type (id INTEGER PRIMARY KEY, sankc_name TEXT);\n");
}
