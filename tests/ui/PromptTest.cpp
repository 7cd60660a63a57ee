#include <gtest/gtest.h>

#include "support/ScriptedPrompt.h"

TEST(PromptSeam, ScriptedPromptReplacesTheRealOneForItsLifetime)
{
    Prompt* real = &ThePrompt();
    {
        ScriptedPrompt scripted;
        scripted.answers.push_back(IDNO);
        EXPECT_EQ(IDNO, ThePrompt().ShowMessage(nullptr, "text", "caption", MB_YESNO));
        EXPECT_EQ(IDYES, ThePrompt().ShowMessage(nullptr, "again", "caption", MB_YESNO));
        ASSERT_EQ(2u, scripted.messages.size());
        EXPECT_EQ("text", scripted.messages[0].text);
        EXPECT_TRUE(ThePrompt().BrowseForFolder(nullptr, "t", "C:\\", 0).empty());
    }
    EXPECT_EQ(real, &ThePrompt());
}
