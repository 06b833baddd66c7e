#pragma once

#include <QGuiApplication>

#include <gtest/gtest.h>

namespace testing_support {

/// One QGuiApplication for the whole test program, as the painting code expects.
class QtAppEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "export-test";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance())
            m_app = new QGuiApplication(argc, argv);
    }

private:
    QGuiApplication* m_app = nullptr;
};

inline ::testing::Environment* const kQtApp = ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);

} // namespace testing_support
