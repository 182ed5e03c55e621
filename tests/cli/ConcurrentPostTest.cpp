// Two workstations post the same documents at the same moment, as two real kexc processes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "support/TestDatabase.h"

extern char** environ;

using namespace kex;

namespace {

struct Child {
    pid_t pid = 0;
    std::filesystem::path out;
};

Child spawnKexc(const std::vector<std::string>& args, const std::filesystem::path& out)
{
    std::vector<char*> argv;
    std::string program = KEXC_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copy = args;
    for (auto& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    Child c{0, out};
    int rc = posix_spawn(&c.pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot start kexc");
    return c;
}

int waitFor(const Child& c)
{
    int status = 0;
    waitpid(c.pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ConcurrentPost, OneWorkstationCommitsTheOtherIsRefusedAndNothingIsPostedTwice)
{
    test::TestDatabase db;
    if (!db.available()) GTEST_SKIP() << db.reason();
    auto& c = db.sql();
    c.execute("insert into strtopc (stred, structo) values ('10','10')");
    c.execute("insert into cenik (nomenkla, analucet1) values ('PSOZ','132.100')");
    for (int i = 1; i <= 200; ++i) {
        std::string n = std::to_string(1000 + i);
        c.execute("insert into pv (cislodokla, datum, dp, stredisko) values ('" + n + "','2006-04-03','1','10')");
        c.execute("insert into pvrad (cislodokla, stredisko, nomenkla, hmotnostpv, nc) values ('" + n
                  + "','10','PSOZ',3,7.5),('" + n + "','10','PSOZ',1,2)");
    }
    test::ProgramDir one, two;
    one.writeIni(test::ProgramDir::iniFor(db, "01"));
    two.writeIni(test::ProgramDir::iniFor(db, "02"));
    std::vector<Child> children;
    for (auto* dir : {&one, &two})
        children.push_back(spawnKexc({"--dir", dir->program().string(), "post", "--period", "04/2006", "--tab", "PV",
                                      "--commit", "--yes"},
                                     dir->root() / "out.txt"));
    std::vector<int> codes;
    for (const auto& child : children) codes.push_back(waitFor(child));
    std::sort(codes.begin(), codes.end());
    std::string outputs = one.readFile("out.txt") + "\n----\n" + two.readFile("out.txt");
    // The second is refused at once, or (having started after the first ended) finds nothing left.
    EXPECT_EQ(codes, (std::vector<int>{0, 1})) << outputs;
    EXPECT_NE(outputs.find("Posting 1 committed, file D00001"), std::string::npos) << outputs;

    EXPECT_EQ(c.query("select count(*) n from kexinfo")[0].asInt("n"), 1);
    EXPECT_EQ(c.query("select count(*) n from kexcto")[0].asInt("n"), 800);
    EXPECT_EQ(c.query("select count(distinct doklad, md, dal, nomenkla, id2) n from kexcto")[0].asInt("n"), 800);
    EXPECT_EQ(c.query("select count(*) n from pv where datumkexct > '2002-12-12'")[0].asInt("n"), 200);
}

} // namespace
