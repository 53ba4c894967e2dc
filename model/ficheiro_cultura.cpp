#include "ficheiro_cultura.h"

#include "registos.h"
#include "texto.h"

namespace {

// A phase or drainage date: column 1 blank, day, separator, month.
std::string data(int32_t DIA, char SEP, int32_t MES) { return " " + fI(DIA, 2) + SEP + fI(MES, 2); }

// Day and month of a date record; the separator is taken and not used.
void le_data(FicheiroLeitura& f, const std::string& esperado, int32_t& DIA, int32_t& MES, char& SEP) {
  Campos c = f.campos(esperado);
  c.X(1);
  DIA = c.I(2);
  SEP = c.A(1)[0];
  MES = c.I(2);
}

// Months index tables of 12 months further on: a month outside them is refused here, naming the date and
// the line just read.
void confere_mes(const FicheiroLeitura& f, int32_t MES, const std::string& qual) {
  if (!mes_valido(MES))
    throw ErroFicheiro(f.nome(), f.linha(), "mês "_w + std::to_string(MES) + " fora de 1 a 12 na data " + qual);
}

}  // namespace

bool cabe_lamina(float valor) { return fF(valor, 6, 3).find('*') == std::string::npos; }

bool cabe_duracao(int32_t valor) { return fI(valor, 2).find('*') == std::string::npos; }

bool mes_valido(int32_t MES) { return MES >= 1 && MES <= 12; }

bool meses_coeficientes(int32_t MM1, int32_t MM6) {
  return mes_valido(MM1) && mes_valido(MM6) && MM6 >= MM1 && MM6 - MM1 + 1 <= 7;
}

std::string ESCREVE_CULTURA(const std::string& nome, const DadosCultura& D) {
  FicheiroEscrita f(nome);
  f.registo(" " + std::string("   6   A  B  C  D  E  F"));
  for (int i = 1; i <= 6; ++i) f.registo(data(D.DDFASE(i), D.SEP, D.MMFASE(i)));
  f.registo(" " + std::string(" LAMINA INICIAL, DATAS E LAMINAS POSTERIORES"));
  f.registo("  " + fF(D.LAM0, 6, 3));
  for (int i = 1; i <= 6; ++i) f.registo(data(D.DDF(i), '/', D.MMF(i)) + "   " + fF(D.LAMF(i), 6, 3));
  f.registo(std::string(1, D.RESPDREN));
  if (D.RESPDREN != 'N' && D.RESPDREN != 'n') {
    f.registo(" " + std::to_string(D.NDREN));
    for (int k = 1; k <= D.NDREN; ++k) {
      f.registo(data(D.DDREN(k), D.SEP, D.MDREN(k)));
      f.registo("  " + fF(D.LAMDREN(k), 6, 3) + "    " + fI(D.DIASDREN(k), 2));
    }
  }
  f.registo(" " + livre(D.TOL));
  f.registo(" " + fI(D.INDK, 1));
  if (D.INDK == 2) {
    std::string linha = " ";
    for (int k = 1; k <= NKC(D); ++k) linha += (k > 1 ? "  " : "") + fF(D.KC(k), 6, 3);
    f.registo(linha);
  }
  f.conclui();
  return f.nome();
}

std::string LE_CULTURA(const std::string& nome, DadosCultura& D) {
  FicheiroLeitura f(nome);
  D.NFASES = f.campos("o número de datas de referência"_w).I(6);
  if (D.NFASES != 6)
    throw ErroFicheiro(f.nome(), f.linha(), "o número de datas de referência é "_w + std::to_string(D.NFASES) +
                                    " e devia ser 6");
  le_data(f, "a data da sementeira", D.DDFASE(1), D.MMFASE(1), D.SEP);
  for (int i = 2; i <= 5; ++i) f.salta("a data de uma fase");
  le_data(f, "a data da colheita", D.DDFASE(6), D.MMFASE(6), D.SEP);
  f.salta("o título das lâminas"_w);
  D.LAM0 = f.livre().real();
  for (int i = 1; i <= D.NFASES; ++i) {
    Campos c = f.campos("uma data de referência"_w);
    c.X(1);
    D.DDF(i) = c.I(2);
    c.X(1);
    D.MMF(i) = c.I(2);
    D.LAMF(i) = c.F(10, 3);
    confere_mes(f, D.MMF(i), "de referência "_w + std::to_string(i));
  }
  std::string resposta = f.registo("a resposta sobre drenagens");
  D.RESPDREN = resposta.empty() ? ' ' : resposta[0];
  D.NDREN = 0;
  if (D.RESPDREN == 'S' || D.RESPDREN == 's') {
    D.NDREN = f.livre().inteiro();
    // 1 + 6 + 2 x 9 = 25 break points fill the schedule.
    if (D.NDREN < 0 || D.NDREN > 9)
      throw ErroFicheiro(f.nome(), f.linha(), "número de drenagens "_w + std::to_string(D.NDREN) +
                                      " fora de 0 a 9 (o calendário de lâminas tem 25 entradas)"_w);
    for (int k = 1; k <= D.NDREN; ++k) {
      le_data(f, "a data de uma drenagem", D.DDREN(k), D.MDREN(k), D.SEP);
      confere_mes(f, D.MDREN(k), "da drenagem " + std::to_string(k));
      Campos c = f.campos("a lâmina e a duração de uma drenagem"_w);
      c.X(2);
      D.LAMDREN(k) = c.F(6, 3);
      c.X(4);
      D.DIASDREN(k) = c.I(2);
    }
  }
  D.TOL = f.livre().real();
  D.INDK = f.livre().inteiro();
  if (D.INDK != 1 && D.INDK != 2)
    throw ErroFicheiro(f.nome(), f.linha(), "opção de coeficientes culturais "_w + std::to_string(D.INDK) +
                                    " (devia ser 1 ou 2)");
  if (D.INDK == 2) {
    if (!meses_coeficientes(D.MMFASE(1), D.MMFASE(6)))
      throw ErroFicheiro(f.nome(), 0, "coeficientes mensais da sementeira (mês "_w + std::to_string(D.MMFASE(1)) +
                                      ") à colheita (mês "_w + std::to_string(D.MMFASE(6)) +
                                      "): precisam de meses de 1 a 12 e de 1 a 7 meses no ano"_w);
    Livre l = f.livre(NKC(D));
    for (int k = 1; k <= NKC(D); ++k) D.KC(k) = l.real();
  }
  return f.nome();
}
