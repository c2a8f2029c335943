// SPDX-License-Identifier: GPL-3.0-or-later
// A fixture for tests between copies on 127.0.0.x: an event loop for the sockets, and a
// private network namespace whose only interface is lo, so nothing can leave the machine
// (ctest runs these tests in one; anywhere else they are skipped).
#pragma once

#include <QCoreApplication>

#include <string>

#include <gtest/gtest.h>
#include <net/if.h>

class LoopbackTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "network_tests";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv); // kept to the end of the run
    }
    void SetUp() override
    {
        struct if_nameindex* list = if_nameindex();
        const bool onlyLoopback =
            list && list[0].if_name && std::string(list[0].if_name) == "lo" && !list[1].if_name;
        if_freenameindex(list);
        if (!onlyLoopback)
            GTEST_SKIP() << "needs a network namespace with only lo; ctest runs it in one";
    }
};
