#pragma once

#include <QByteArray>

// The house crossword (КОТ and ТОК across, КИТ and ТОК down around a black centre) as another
// program writes it in ipuz, by hand. `middleRow` replaces the solution's middle row (a rebus cell
// in place of "И" makes a file the program refuses).
inline QByteArray houseIpuz(const char* middleRow = R"(["И","#","О"])") {
    return QByteArray(R"({"version":"http://ipuz.org/v2","kind":["http://ipuz.org/crossword#1"],)"
                      R"("dimensions":{"width":3,"height":3},)"
                      R"("puzzle":[[1,0,2],[0,"#",0],[3,0,0]],)"
                      R"("solution":[["К","О","Т"],)") +
           middleRow +
           R"(,["Т","О","К"]],)"
           R"("clues":{"Across":[[1,"Домашний зверь"],[3,"Электрический ..."]],)"
           R"("Down":[[1,"Морской великан"],[2,"..."]]},)"
           R"("title":"Дом","author":"Иванов"})";
}
