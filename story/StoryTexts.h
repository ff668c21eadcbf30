#pragma once

#include <vector>

// Every line the story shows, in one place, so each can be read beside the
// others and checked against the message box. Option texts double as the
// identifiers of the choices, so they are compared by exact equality.
//
// One list feeds both the named constants and allStoryTexts(), so a line
// added here is also checked for fitting the box.
#define OMBREL_STORY_TEXTS(X)                                                                                   \
    /* the village */                                                                                          \
    X(PRIEST_BLOODY, "Oh my goodness!")                                                                        \
    X(PRIEST_FARM, "Perhaps she has gone out by the farm. Would you go and find her for me, please?")          \
    X(PRIEST, "My prayers go out to the widow. She lost her husband a year ago, and no one has seen her all day.") \
    X(PRIEST2, "I imagine she is grieving. Would you call at her home? It is the house to the right as you leave town.") \
    X(PRIEST3, "She is not at home? Then where can the poor woman be?")                                        \
    X(HOUSEWIFE_BLOODY, "Children! Please go inside now.\nHow dare you come into the village like that!")      \
    X(HOUSEWIFE, "The widow's boy went into the cave, not long after his father died. He never came home.")    \
    X(HOUSEWIFE2, "I would never let my boys out of my sight.")                                                \
    X(BOY_RED_BLOODY, "* cries *")                                                                             \
    X(BOY_RED, "Need to stay close to Momma. She says it isn't safe.")                                        \
    X(GIRL_ORANGE_BLOODY, "Eeep! Did you kill the poor sheep for meat?")                                      \
    X(GIRL_ORANGE, "My uncle and my father are out chopping wood for the winter.")                            \
    X(GIRL_PURPLE_BLOODY, "Ahhhh blood!")                                                                      \
    X(GIRL_PURPLE, "Sometimes father lets us pat the sheep. They're so soft.")                                \
    X(BOY_GREEN_BLOODY, "Did you kill the ghost in the cave?")                                                \
    X(BOY_GREEN, "I heard there's gold in the cave, but I'm too scared to go in. They say a little boy haunts it.") \
    X(SIGN_TO_FARM, "\nTo the Farm")                                                                          \
    /* the cabins */                                                                                           \
    X(CHEF_BLOODY, "I hope you didn't get too close to the animals with that knife of yours.")                \
    X(CHEF, "It looks like a lovely day outside. You ought to visit the farm and see the animals.")           \
    X(PICTURE, "There is a picture on the shelf. A wife, her husband and a young boy. Where are they now?")   \
    X(BOOK, "There is a book on top of this pedestal. It reads 'Farmers', and inside is a list of names.")     \
    X(BOOK_NAMES, "Edmund\nWalter\nTobias")                                                                    \
    /* the farm */                                                                                             \
    X(BARN, "The door is locked.")                                                                             \
    X(SIGN_AT_FARM, "\nFarm")                                                                                  \
    X(SIGN_TO_CAVE, "\nTo the Cave")                                                                          \
    X(FIRST_AXEMAN_BLOODY, "Oh geeze! Your hands are covered in blood. I do hope my brother isn't hurt.")     \
    X(FIRST_AXEMAN_BROTHER, "Ah he's just sitting down in there. Idling about, as usual.")                    \
    X(FIRST_AXEMAN, "My brother and I were chopping wood when we heard moans from the cave. He went in to look.") \
    X(FIRST_AXEMAN2, "He should have been back by now. Would you check on him? There's a lantern on the stump behind you.") \
    X(LANTERN, "*Picked up lantern on the stump*")                                                             \
    X(AXE, "I wonder where the axe man is.")                                                                   \
    X(BLEAT_LONG, "baaaaaaaaaaaa!")                                                                            \
    X(BLEAT_MEDIUM, "baaaaaaa!")                                                                               \
    X(BLEAT_SHORT, "BAAAA!")                                                                                   \
    X(BLEAT_STUTTERED, "ba-a-a-aa")                                                                            \
    /* the cave */                                                                                             \
    X(HOLE_IN_WALL, "I can see something shiny. It lies in there, just out of reach.")                                 \
    X(BONES, "Someone must have died here. The bones look like they belonged to a child.")                    \
    X(CARVING_TOOL, "There are some tools leaning against the wall. They look like they were used to carve marks into it.") \
    X(CAVE_TOO_DARK, "It's hard to see within the cave. You'll need a source of light to proceed further.")   \
    X(AXEMAN_CALLS, "Hey you! Come over 'ere.")                                                                \
    X(AXEMAN_GREETS, "Did my brother send you? Bless 'im. The moans come from further down, but my sight's too poor to go.") \
    X(AXEMAN_OFFERS_KNIFE, "You should take this knife. You may need it, down there.")                        \
    X(AXEMAN_BLOODY, "Oh geeze! Well I did say you'd need to defend yourself. Did you find where the moans came from?") \
    X(AXEMAN_STRANGER, "What's all that noise?\n.....\nI haven't seen anybody come past.")                    \
    X(AXEMAN, "Go ahead. I can't see.")                                                                        \
    X(DEAD_LADY, "Urrgggggh!\n\nPlease help me. I am in a lot of pain.")                                      \
    X(DEAD_LADY2, "I came here to end my life, to be with my child and my husband in heaven. My name is Martha.") \
    X(DEAD_LADY3, "My husband was a miner in these caves. One day he found something down here.")             \
    X(DEAD_LADY4, "He found a golden nugget. I hoped we could retire on it, but he never trusted me.")        \
    X(DEAD_LADY5, "He buried the golden nugget to spite me. Then he disappeared, and the town heard of our fortune.") \
    X(DEAD_LADY6, "They thought I was rich. I was too ashamed to tell them the truth.")                       \
    X(DEAD_LADY7, "One day my son wandered into the cave. He went to look for his father.")                           \
    X(DEAD_LADY8, "But he never came out of the cave. I searched and searched, in vain. I have nobody now.")  \
    X(DEAD_LADY9_BLOODY, "You've done it before. Help me end my life, I beg you. The second time should be easier.") \
    X(DEAD_LADY9, "Will you help me? Will you help me end my life?")                                          \
    X(CHOICE_YES, "Yes, close your eyes.")                                                                     \
    X(CHOICE_NO, "No, I'm going to get help.")                                                                 \
    X(END_IT_QUICKLY, "Please, end it quickly.")                                                               \
    X(COWARD, "Then leave me you coward!")                                                                     \
    X(STAB, "*stab*")                                                                                          \
    X(SPIT, "*Woman spurts blood at you*")                                                                     \
    X(FARMER_APPROACHES, "\nA farmer approaches.")                                                            \
    X(QUESTION1, "Why do you have blood on your overalls?")                                                   \
    X(QUESTION2, "Why do you have a knife?")                                                                   \
    X(QUESTION3, "I heard moans, what have you done?")                                                         \
    X(LET_THEM_PASS, "Let them pass")                                                                          \
    X(ATTACK, "Attack")                                                                                        \
    X(ANSWER1, "Good Luck Speed Runners!")                                                                     \
    X(ANSWER2, "Thanks for your support!")                                                                     \
    X(ANSWER3, "Goodbye for now!")                                                                             \
    X(LET_GO, "Alright. I will let you go.")                                                                   \
    X(LAST_STATEMENT, "Let me see what will happen to you...")                                                 \
    X(CARD, "There is a name written on the farmer's overalls.\n\n...... Walter")                              \
    X(LOOK_AT_BODY, "[Look at body]")                                                                          \
    X(STAB_SHEEP_LABEL, "[Stab Sheep]")

namespace StoryText {
#define OMBREL_STORY_TEXT_CONSTANT(name, text) inline constexpr const char* name = text;
OMBREL_STORY_TEXTS(OMBREL_STORY_TEXT_CONSTANT)
#undef OMBREL_STORY_TEXT_CONSTANT
}  // namespace StoryText

// Every text above (labels and choices too), in the order listed.
const std::vector<const char*>& allStoryTexts();
