#pragma once

#include "support/ui/RunningProgram.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// The program started in Russian and a folder for what it writes.
class ExportFolder : public testing::Test {
protected:
    RunningProgram program;
    QTemporaryDir out;

    void SetUp() override {
        program.installLanguage("Russian.txt");
        program.start();
    }

    CrosswordDocument& doc() { return program.state.session.documentForSetup(); }
    FakePlatform& fake() { return program.fake; }
    QString outPath(const QString& name) const { return out.filePath(name); }
};
