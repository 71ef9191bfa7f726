#include "classdata/class_data.h"
#include "classdata/class_file.h"
#include "support/class_fixture.h"

#include <string>

#include <QProcess>
#include <QString>

namespace quillmark::testing {
namespace {

// One copy of Quillmark on the test's folder, in a process of its own.
class Copy {
public:
    Copy(const std::filesystem::path& folder, const std::string& class_file) {
        process_.start(QStringLiteral(COPY_DRIVER));
        EXPECT_EQ(say("open " + folder.string() + " " + class_file), "ok");
    }
    ~Copy() { kill(); }

    // Sends one command line and returns the first line of the answer.
    std::string say(const std::string& line) {
        process_.write((line + "\n").c_str());
        while (!process_.canReadLine() && process_.waitForReadyRead(20000)) {
        }
        return process_.readLine().trimmed().toStdString();
    }
    // Ends the process at once, as a crash or a power cut would.
    void kill() {
        process_.kill();
        process_.waitForFinished();
    }

private:
    QProcess process_;
};

// Three students with 10 on "Quiz 1", saved as Algebra.cls.
class TwoCopies : public ClassFixture {
protected:
    void SetUp() override {
        ClassFixture::SetUp();
        const char* names[] = {"Lee", "Adams", "Zorn"};
        for (int s = 0; s < 3; ++s) {
            students[s] = {"Ann", names[s], std::to_string(1001 + s), {10}, "", "", ""};
        }
        asg_title[0] = "Quiz 1";
        asg_points[0] = 20;
        ASSERT_TRUE(save_class(folder() / "Algebra.cls"));
    }

    // The scores on "Quiz 1" that a class file holds.
    std::string quiz_scores(const std::string& file_name) {
        reset_class_data();
        class_file = file_name;
        EXPECT_TRUE(load_class());
        return std::to_string(students[0].scores[0]) + " " + std::to_string(students[1].scores[0]) +
               " " + std::to_string(students[2].scores[0]);
    }

    // One copy saves Lee's score; the other, changed otherwise, meets the conflict at its save.
    static void conflict(Copy& school, Copy& home, const std::string& at_school,
                         const std::string& at_home) {
        school.say("score 0 0 " + at_school);
        school.say("save");
        home.say("score 0 0 " + at_home);
        ASSERT_EQ(home.say("save"), "conflict 1: Lee, Ann: Quiz 1|" + at_home + "|" + at_school);
    }
};

TEST_F(TwoCopies, ChangesToDifferentStudentsEndUpInTheFileFromBothCopies) {
    Copy school{folder(), "Algebra.cls"};
    Copy home{folder(), "Algebra.cls"};

    school.say("score 0 0 18");
    EXPECT_EQ(school.say("save"), "ok");
    home.say("score 1 0 19");
    EXPECT_EQ(home.say("save"), "ok");
    EXPECT_EQ(school.say("save"), "ok");

    EXPECT_EQ(quiz_scores("Algebra.cls"), "18 19 10");
    EXPECT_EQ(school.say("get 1 0"), "19");
    EXPECT_EQ(home.say("get 0 0"), "18");
}

TEST_F(TwoCopies, ScoresChangedDifferentlyAreTheTeachersChoice) {
    const std::string first = read_file("Algebra.cls");
    for (const auto& [choice, written] : {std::pair{"mine", "12 10 10"}, {"theirs", "18 10 10"}}) {
        write_file("Algebra.cls", first);
        Copy school{folder(), "Algebra.cls"};
        Copy home{folder(), "Algebra.cls"};
        conflict(school, home, "18", "12");
        EXPECT_EQ(home.say(choice), "ok");
        EXPECT_EQ(quiz_scores("Algebra.cls"), written) << choice;
        EXPECT_FALSE(std::filesystem::exists(folder() / "Algebra (this copy's work).cls"));
    }
}

TEST_F(TwoCopies, ACopyEndedWhileAConflictWaitsLosesNoWork) {
    // Each ended copy's work stays in a class of its own, a later one beside the earlier.
    for (const auto& [at_school, at_home] : {std::pair{"18", "12"}, {"17", "13"}}) {
        Copy school{folder(), "Algebra.cls"};
        Copy home{folder(), "Algebra.cls"};
        home.say("score 2 0 15");
        conflict(school, home, at_school, at_home);
        home.kill();
    }

    Copy again{folder(), "Algebra (this copy's work).cls"};
    EXPECT_EQ(again.say("get 0 0"), "12");
    EXPECT_EQ(again.say("get 2 0"), "15");
    EXPECT_EQ(quiz_scores("Algebra (this copy's work) 2.cls"), "13 10 15");
    EXPECT_EQ(quiz_scores("Algebra.cls"), "17 10 10");
}

} // namespace
} // namespace quillmark::testing
