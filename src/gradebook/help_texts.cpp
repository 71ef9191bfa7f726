#include "gradebook/help_texts.h"

namespace quillmark {

const std::vector<HelpEntry>& help_entries() {
    static const std::vector<HelpEntry> entries{
        {"hdi",
         "Quillmark Tutorial",
         {"     In general, Quillmark works like a spreadsheet. The orange boxes above the white "
          "grid store the titles of the assignments in your class. The blue rectangles to the "
          "left of the white grid store the names of the students in your class. The white grid "
          "itself stores student scores. Click 'OK' to continue.",
          "     The first thing you'll need to do is define the grading scale. By default, it is "
          "set as follows: 100 - 90 (A), 89 - 80 (B), 79 - 70 (C), 69 - 60 (D), 59 - 0 (F). If "
          "your school uses a different scale, select 'Define Grading Scale...' from the Setup "
          "menu and modify it as necessary. Click 'OK' to continue.",
          "     The second thing you'll need to do is enter students into your class. To enter a "
          "student, double-click one of the blue rectangles to the left of the white grid. A "
          "window will appear asking for the student's first name, last name, and an "
          "identification number. Type in each of these items. The identification number can be "
          "any combination of numbers and letters. Many instructors use social security numbers "
          "here. You may also use the telephone, address, and notes fields if you wish. Click "
          "'OK' to continue.",
          "     Note that you do not have to add all your students before proceeding. You can add "
          "more students (up to 300) or delete existing ones at any time. Click 'OK' to continue.",
          "     The next thing to do is enter assignments. Double-click one of the orange boxes "
          "above the white grid. A window will appear asking you to enter a title for the "
          "assignment and how many points it is worth. You may also use the notes field to "
          "describe an assignment in further detail if you wish. Click 'OK' to continue.",
          "     Note that you can add more assignments or delete existing ones at any time. "
          "Quillmark will accomodate up to 200 assignments per class. Click 'OK' to continue.",
          "     You would then be ready to enter student scores. Click a rectangle in the white "
          "grid that corresponds to a student and an assignment. Then type in the amount of "
          "points that student received. The orange rectangle immediately above each column in "
          "the white grid displays how many points an assignment is worth. Click 'OK' to "
          "continue.",
          "     Statistics on individual students, individual assignments, and the whole class "
          "will automatically be calculated. For more information on these statistics, select "
          "the 'Explanation of...' items on the help menu. Click 'OK' to continue.",
          "     By default, the students are listed onscreen and printed in the order you enter "
          "them. However, if you click 'A to Z' or '1...N' (above the blue student boxes on the "
          "main screen) you can re-order the students alphabetically (by last name) or by class "
          "rank (ascending). Note that these sorts are only performed at the instant you "
          "activate them; if you add more students or assignments you'll need to run whichever "
          "sort you're using again to keep everything in exact order. Click 'OK' to continue.",
          "     Quillmark also provides an automatic utility for curving assignments and for "
          "creating seating charts. Please see the help menu for more information. Click 'OK' to "
          "continue.",
          "     Quillmark will automatically save your class to disk as necessary. However, it is "
          "a good idea to back up your classes to floppy disk periodically in case your computer "
          "malfunctions. You can do this easily from the class manager which appears each time "
          "you start Quillmark. (You can also bring it up from the file menu.) Simply click on "
          "the button that reads 'Backup Classes' and have a floppy disk handy. Click 'OK' to "
          "continue.",
          "     If you're still unsure on how to use Quillmark, you should look at the sample "
          "class file. To do this, select 'Go to Class Manager...' from the file menu, highlight "
          "'Sample.cls' in the window that appears, and click 'Open Class'. Click 'OK' to "
          "conclude the tutorial."}},
        {"acwiz",
         "Auto-Curve Wizard",
         {"     The Auto-Curve wizard allows you to easily apply a curve to any assignment. To use "
          "it, first select an assignment by single-clicking an orange assignment box, and then "
          "select the Curve Wizard icon in the 'Toolbox' area. (bottom right of the main screen) "
          "More information about the available types of curves is provided within the "
          "Auto-Curve wizard."}},
        {"spexp",
         "Seat Planner",
         {"     The seating planner is a simple tool that helps you create a seating chart. To "
          "access it, click the Seating Planner icon (picture of two students) in the 'Toolbox' "
          "area. (bottom right of the main screen) Each white rectangle represents one desk. "
          "Double-click a rectangle to enable / disable it and match the layout of your room. "
          "Then, you can either type in students manually or select an automatic option (either "
          "alphabetical or random) that will fill in the seating chart for you. The seating "
          "planner can be printed by clicking the 'Print Seating Chart' button."}},
        {"bsinfo",
         "Blank Screen",
         {"     The Blank Screen feature, accessible by clicking the 'Blank Screen' icon in the "
          "Toolbox area, provides a quick way to secure your gradebook when walking away from "
          "the computer for a few minutes. Upon returning, all you have to do is enter your "
          "password. You'll be returned to exactly where you left off, whereas if you had "
          "completely exited QMK, you'd need to come back through the Class Manager, reload a "
          "specific class, find your place, etc."}},
        {"hdiexcuse",
         "How do I excuse a student from an assignment?",
         {"     To excuse a student from a particular assignment in your gradebook, simply type a "
          "capital 'E' instead of a numerical score in the appropriate location."}},
        {"isae",
         "Explanation of Individual Student Analysis",
         {"     The Individual Student Analysis window (light blue) gives an overview of the "
          "selected student's performance. It displays the student's current average and letter "
          "grade. It also displays a small bar graph. Each bar represents 1 assignment. This can "
          "help you spot trends such as improving / degrading performance as a semester "
          "progresses. Selecting 'File->Print Report(s)->Individual Student Analysis' produces a "
          "hard copy of the previous data in addition to a list of assignments with the selected "
          "student's grades. This report is suitable either for your records or distribution to "
          "students and parents.",
          "     Note: To select a student for analysis, single-click his/her name."}},
        {"iaae",
         "Explanation of Individual Assignment Analysis",
         {"     The Individual Assignment Analysis window (orange) assists in evaluating a class's "
          "performance as a whole on a specific assignment. First, it displays the entire "
          "class's average score on the currently selected assignment. Second, it displays the "
          "standard deviation between the different student scores. This is especially helpful "
          "in determining the validity of an exam. For Example: The average for a particular "
          "test might be 75%. This seems like a reasonable figure. However, suppose the standard "
          "deviation was 25. That would mean around half your students got a 100 and the other "
          "half got a 50. You'd then know something was wrong. The assignment window also "
          "displays a letter grade percentage breakdown. Remember that this is directly based on "
          "the grading scale, (Setup->Define Grading Scale) so make sure it is set properly for "
          "your school. Selecting 'File->Print Report(s)->Individual Assignment Analysis' "
          "produces a hard copy of the previous information.",
          "     Note: To select an assignment for analysis, single-click its title."}},
        {"ocae",
         "Explanation of Overall Class Analysis",
         {"     The Overall Class Analysis window (white) provides general information relevant "
          "to the performance of a class as a whole. This includes the average and standard "
          "deviation of the individual student's averages, and a percentage breakdown of letter "
          "grades. Selecting 'File->Print Report(s)->Overall Class Analysis' produces a hard "
          "copy of the aforementioned information, as well as a copy of your entire class grid. "
          "Students are listed by ID number (instead of last name) on this print-out, so it's "
          "suitable for public posting."}},
    };
    return entries;
}

} // namespace quillmark
