#include "platform/soft/window/window_tree.h"

#include <algorithm>

namespace pg::platform::soft {

WindowTree& Tree() {
  static WindowTree tree;
  return tree;
}

SoftWindow* WindowTree::Find(WindowHandle h) {
  auto it = windows_.find(h);
  return it == windows_.end() ? nullptr : it->second.get();
}

SoftWindow& WindowTree::Add(WindowHandle parent) {
  auto w = std::make_unique<SoftWindow>();
  w->handle = next_;
  next_ += 4;
  w->parent = parent;
  if (SoftWindow* p = Find(parent))
    p->children.push_back(w->handle);  // new windows start on top of their siblings
  else
    topLevel_.push_back(w->handle);
  SoftWindow& ref = *w;
  windows_.emplace(w->handle, std::move(w));
  return ref;
}

void WindowTree::Destroy(WindowHandle h) { Remove(h, false); }

void WindowTree::Remove(WindowHandle h, bool tellClient) {
  SoftWindow* w = Find(h);
  if (!w) return;
  const auto children = w->children;
  for (WindowHandle c : children) Remove(c, true);
  WindowClient* client = w->client;
  auto& siblings = w->parent ? Find(w->parent)->children : topLevel_;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), h), siblings.end());
  windows_.erase(h);
  if (tellClient && client) client->WindowDestroyed();
}

bool WindowTree::Showing(const SoftWindow& w) {
  for (const SoftWindow* p = &w; p; p = p->parent ? Find(p->parent) : nullptr)
    if (!p->visible) return false;
  return true;
}

void WindowTree::InvalidateTree(SoftWindow& w) {
  w.invalid = true;
  for (WindowHandle c : w.children)
    if (SoftWindow* child = Find(c)) InvalidateTree(*child);
}

void WindowTree::RaiseOrLower(SoftWindow& w, WindowHandle insertAfter) {
  auto& siblings = w.parent ? Find(w.parent)->children : topLevel_;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), w.handle), siblings.end());
  if (insertAfter == kHwndTop) {
    siblings.push_back(w.handle);
  } else if (insertAfter == kHwndBottom) {
    siblings.insert(siblings.begin(), w.handle);
  } else {
    // Just below the named sibling; on top when it is not a sibling.
    auto it = std::find(siblings.begin(), siblings.end(), insertAfter);
    siblings.insert(it == siblings.end() ? siblings.end() : it, w.handle);
  }
}

}  // namespace pg::platform::soft
