#pragma once

// A seam where a test puts something in place of the platform: a message box,
// a file dialog, the printer, the screen, the program's folder, the settings
// files. The program asks Seam<T>::replacement(), and uses the real thing
// when it is nullptr.
//
// Every seam has one shape: a Guard. From its making to its end the guard's T
// is in place; guards nest, the innermost one wins, and each gives back on
// its end what was in place before it.
template <typename T> class Seam {
public:
    static T *replacement() { return slot(); }

    class Guard {
    public:
        explicit Guard(T &replacement) : m_previous(slot()) { slot() = &replacement; }
        ~Guard() { slot() = m_previous; }
        Guard(const Guard &) = delete;
        Guard &operator=(const Guard &) = delete;

    private:
        T *m_previous;
    };

private:
    static T *&slot()
    {
        static T *current = nullptr;
        return current;
    }
};
