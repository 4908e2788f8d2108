#include "lang/AList.h"

#include <gtest/gtest.h>

#include <vector>

using IntList = AList<int*>;

TEST(AListTest, StartsEmptyWithRoomForSixteen)
{
    IntList list;
    EXPECT_EQ(list.Get_Count(), 0);
    EXPECT_EQ(list.Get_Capacity(), 16);
}

TEST(AListTest, GrowsByTheStepOrByDoublingWhenFull)
{
    struct Case
    {
        bool doubling;
        int elements;
        int capacity;
    };
    const Case cases[] = {
        {false, 16, 16}, {false, 17, 32}, {false, 33, 48}, {false, 49, 64},
        {true, 16, 16},  {true, 17, 32},  {true, 33, 64},  {true, 65, 128},
    };
    for (const Case& c : cases) {
        std::vector<int> values(c.elements);
        IntList list(c.doubling);
        for (int& value : values)
            list.Add(&value);
        SCOPED_TRACE(testing::Message() << "doubling " << c.doubling << ", " << c.elements
                                        << " elements");
        EXPECT_EQ(list.Get_Count(), c.elements);
        EXPECT_EQ(list.Get_Capacity(), c.capacity);
        // The elements survive every reallocation, in order.
        for (int i = 0; i < c.elements; ++i)
            ASSERT_EQ(list[i], &values[i]);
    }
}

TEST(AListTest, AcceptsDuplicatesAndDoesNotOwnItsElements)
{
    int value = 5;
    {
        IntList list;
        list.Add(&value);
        list.Add(&value);
        EXPECT_EQ(list.Get_Count(), 2);
        EXPECT_EQ(list.Get(1), &value);
        list.Clear();
        EXPECT_EQ(list.Get_Count(), 0);
        EXPECT_EQ(list.Get_Capacity(), 16);
    }
    EXPECT_EQ(value, 5);
}

TEST(AListTest, AnIndexOutsideTheListThrowsValueZero)
{
    int a = 1, b = 2;
    IntList empty;
    IntList two;
    two.Add(&a);
    two.Add(&b);
    struct Case
    {
        const IntList* list;
        int index;
    };
    const Case cases[] = {{&empty, 0}, {&empty, -1}, {&two, -1}, {&two, 2}, {&two, 1000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "count " << c.list->Get_Count() << ", index " << c.index);
        try {
            static_cast<void>((*c.list)[c.index]);
            ADD_FAILURE() << "no exception";
        } catch (const IntList::AList_Exception& e) {
            EXPECT_EQ(e.Get_Value(), 0);
        }
    }
    EXPECT_EQ(two.Get(0), &a);
}
