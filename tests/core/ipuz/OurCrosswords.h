#pragma once

#include "files/CrosswordFile.h"
#include "text/CodePage.h"

#include "support/Crosswords.h"
#include "support/FilledCrossword.h"

#include <QDir>

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

// The crosswords of the program: the samples and hand-made ones with and without answers.
inline std::vector<std::pair<std::string, CrosswordDocument>> ourCrosswords() {
    using fixtures::cp;
    std::vector<std::pair<std::string, CrosswordDocument>> out;
    for (const QString& name : QDir(QStringLiteral(CLUEFORGE_RESOURCES "/Samples"))
                                   .entryList({QStringLiteral("*.cfw")})) {
        CrosswordDocument doc;
        EXPECT_EQ(
            ReadCrosswordFile(QStringLiteral(CLUEFORGE_RESOURCES "/Samples/") + name, doc).status,
            FileStatus::Ok);
        out.emplace_back(name.toStdString(), doc);
    }
    FilledCrossword house = houseCrossword();
    house.clues[cp(u"ТОК")] = cp(u"Ток < 1 А & «напряжение» > 0");
    out.emplace_back("house", house.build());
    out.emplace_back("grid only", houseCrossword(1).build());
    FilledCrossword wide;
    wide.rows = {cp(u"ПАРК#ЛЕС"), cp(u"О#ОКНО#О"), cp(u"ЛУНА#ДОМ")};
    wide.title = cp(u"Прогулка");
    wide.author = cp(u"А. Петрова");
    wide.clues = {{cp(u"ПАРК"), cp(u"Место для прогулок")}, {cp(u"ЛУНА"), cp(u"Спутник Земли")}};
    out.emplace_back("wide", wide.build());
    return out;
}
