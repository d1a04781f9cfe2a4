#include "panekit/Window.h"

#include <cstring>

#include "panekit/src/WindowSupport.h"

CMain::CMain(HINSTANCE instance) : CWin(instance), m_ChildNodes(nullptr) { m_Title[0] = '\0'; }

CMain::CMain(const CMain& other) : CWin(other), m_ChildNodes(nullptr) {
    std::memcpy(m_Title, other.m_Title, sizeof m_Title);
    CopyNodesFrom(other);
}

CMain& CMain::operator=(const CMain& other) {
    if (this == &other) return *this;
    CWin::operator=(other);
    std::memcpy(m_Title, other.m_Title, sizeof m_Title);
    DeleteNodes();
    CopyNodesFrom(other);
    return *this;
}

CMain::~CMain() { DeleteNodes(); }

// Each copy of a CMain owns a list of its own, so no list is freed twice.
void CMain::CopyNodesFrom(const CMain& other) {
    for (const CHILDWINDOWNODE* node = other.m_ChildNodes; node; node = node->pNext) {
        if (!AddChild(const_cast<CHILDWINDOWNODE*>(node))) {
            // Half a layout would place some children and forget others.
            DeleteNodes();
            return;
        }
    }
}

int CMain::Initialize(PANEKITWNDCLASS* description) {
    if (!description || !(description->fMask & PWC_TITLE)) return 0;
    panekit::window::copyText(m_Title, sizeof m_Title, description->lpszTitle);
    return CWin::Initialize(description);
}

int CMain::Set(PANEKITWNDCLASS* description) {
    if (!description) return 0;
    if ((description->fMask & PWC_FILENAME) && !(description->fMask & PWC_TITLE)) {
        description->fMask |= PWC_TITLE;
        description->lpszTitle = m_Title;
    }
    return CWin::Set(description);
}

int CMain::ChangeFilename(const char* name) {
    PANEKITWNDCLASS description;
    std::memset(&description, 0, sizeof description);
    description.cbSize = PANEKITWNDCLASS_MINIMUM_SIZE;
    description.fMask = PWC_TITLE | PWC_FILENAME;
    description.lpszTitle = m_Title;
    description.lpszFilename = name;
    return CWin::Set(&description);
}

int CMain::AddChild(CHILDWINDOWNODE* node) {
    if (!node) return 0;
    int count = 0;
    CHILDWINDOWNODE* last = nullptr;
    for (CHILDWINDOWNODE* walk = m_ChildNodes; walk; walk = walk->pNext) {
        last = walk;
        ++count;
    }
    CHILDWINDOWNODE* copy = static_cast<CHILDWINDOWNODE*>(LocalAlloc(LPTR, sizeof(CHILDWINDOWNODE)));
    if (!copy) return 0;
    *copy = *node;
    copy->pNext = nullptr;
    if (last)
        last->pNext = copy;
    else
        m_ChildNodes = copy;
    return count + 1;
}

void CMain::DeleteNodes() {
    while (m_ChildNodes) {
        CHILDWINDOWNODE* next = m_ChildNodes->pNext;
        LocalFree(m_ChildNodes);
        m_ChildNodes = next;
    }
}

void CMain::Size() {
    for (CHILDWINDOWNODE* node = m_ChildNodes; node; node = node->pNext) {
        CChild* child = node->pChild;
        if (!child) continue;
        child->Move(node->x, node->y);
        child->Move(node->fx, node->fy);
        child->Resize(node->cx, node->cy);
        child->Resize(node->fcx, node->fcy);
    }
}
