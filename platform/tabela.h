// Fixed-size tables indexed from 1, so that formulas read like their definitions: T(I), T(I,J).
// An index outside the table throws std::out_of_range instead of touching other storage.
#pragma once
#include <array>
#include <cstddef>
#include <stdexcept>

template <class T, size_t N>
struct Tabela {
  std::array<T, N> v{};
  T& operator()(int i) { return v.at(i - 1); }
  const T& operator()(int i) const { return v.at(i - 1); }
  void preenche(const T& x) { v.fill(x); }
};

template <class T, size_t L, size_t C>
struct Tabela2 {
  std::array<T, L * C> v{};
  T& operator()(int i, int j) { return v.at(pos(i, j)); }
  const T& operator()(int i, int j) const { return v.at(pos(i, j)); }
  void preenche(const T& x) { v.fill(x); }

 private:
  static size_t pos(int i, int j) {
    if (i < 1 || j < 1 || static_cast<size_t>(i) > L || static_cast<size_t>(j) > C) throw std::out_of_range("Tabela2");
    return (i - 1) * C + (j - 1);
  }
};
