#include "cultura.h"

#include <functional>
#include <optional>

#include "calendario.h"
#include "codigo.h"
#include "diretorias.h"
#include "ficheiro_cultura.h"
#include "mensagem.h"
#include "meses.h"
#include "nomes_dados.h"
#include "nomes_disco.h"
#include "registos.h"
#include "respostas.h"
#include "rotinas_minhas.h"
#include "teclado.h"

namespace {

// Texts of the values refused because the file could not hold them.
const std::string FORA_LAMINA = "   Valor fora do campo do ficheiro (de -9.999 a 99.999)."_w;
const std::string FORA_DURACAO = "   Valor fora do campo do ficheiro (de -9 a 99)."_w;
// Dates refused: the months index tables of 12 months further on.
const std::string FORA_MES = "   O mês tem de ser de 1 a 12."_w;
const std::string COMO = "como dd/mm (ex: 05/06).";
const std::string DATA_ILEGIVEL = "   A data não se lê: escreva-a "_w + COMO;
const std::string LAMINA_ILEGIVEL =
    "   A altura de lâmina não se lê: escreva-a em metros depois da data (ex: 24/06 0.10)."_w;

// A date whose day or month was left blank: what is missing.
std::string falta(bool dia, bool mes) {
  if (dia && mes) return "   Falta a data: escreva-a " + COMO;
  return "   Falta o "_w + (dia ? "dia" : "mês"_w) + ": escreva a data " + COMO;
}

// One digit: the first character of the line (an empty line gives 0), read again from the next
// line while it is not a digit.
int32_t digito() {
  for (;;) {
    try {
      return Campos(qw::le_linha()).I(1);
    } catch (const ErroFicheiro&) {
    }
  }
}

// N free-form values after the prompt, several on a line or over several lines. One that the file
// cannot hold (cabe false) is refused with the line recusa and asked again after the prompt; an answer
// that cannot be read or was written with decimal commas is refused with a line that says why and asked
// again whole after the prompt. guarda(k, v) takes value k.
template <class T>
void livres(int32_t N, const std::string& prompt, T (Livre::*ler)(), bool (*cabe)(T), const std::string& recusa,
            const std::function<void(int32_t, T)>& guarda) {
  qw::pergunta(prompt);
  Teclado teclado;
  std::optional<Livre> l;
  l.emplace(teclado, N);
  int32_t inicio = 1;  // the first value of the answer being read
  for (int32_t k = 1; k <= N;) {
    T v{};
    Leitura r = RESPOSTA_LIVRE([&] { v = (*l.*ler)(); }, true);
    if (r == Leitura::LIDA && (cabe == nullptr || cabe(v))) {
      guarda(k++, v);
      continue;
    }
    if (r == Leitura::LIDA) mensagem(recusa);
    if (r != Leitura::LIDA) k = inicio;
    qw::pergunta(prompt);
    inicio = k;
    l.emplace(teclado, N - k + 1);
  }
}

// One free-form value, as above.
template <class T>
T livre1(const std::string& prompt, T (Livre::*ler)(), bool (*cabe)(T) = nullptr, const std::string& recusa = "") {
  T valor{};
  livres<T>(1, prompt, ler, cabe, recusa, [&](int32_t, T v) { valor = v; });
  return valor;
}

float lamina(const std::string& prompt) { return livre1(prompt, &Livre::real, cabe_lamina, FORA_LAMINA); }

// A date typed dd/mm (columns 1-2 the day, 3 any separator, 4-5 the month), with a depth in columns
// 6-17 when LAM is given. mostra shows the prompt. A date or a depth that cannot be read (the reason names
// the field that could not), a depth written with a decimal comma, a day or a month left blank, a month not
// 1 to 12, a day that the month has in no year and a depth that the file cannot hold are refused with a line
// that says why and asked again after the prompt. SEP keeps the separator of the last date.
void data(const std::function<void()>& mostra, int32_t& DIA, int32_t& MES_, char& SEP, float* LAM = nullptr) {
  mostra();
  for (;;) {
    int32_t d = 0, m = 0;
    char s = ' ';
    float l = 0;
    bool sem_dia = false, sem_mes = false;
    const std::string* ilegivel = &DATA_ILEGIVEL;  // the reason of the field being read
    Leitura r = RESPOSTA_LIVRE([&] {
      Campos c(qw::le_linha());
      d = c.I(2);
      sem_dia = c.em_branco();
      s = c.A(1)[0];
      m = c.I(2);
      sem_mes = c.em_branco();
      if (!LAM) return;
      ilegivel = &LAMINA_ILEGIVEL;
      l = c.F(12, 3);
    });
    std::string porque;
    if (r == Leitura::ILEGIVEL) {
      porque = *ilegivel;
    } else if (r == Leitura::LIDA) {
      if (sem_dia || sem_mes) {
        porque = falta(sem_dia, sem_mes);
      } else if (!mes_valido(m)) {
        porque = FORA_MES;
      } else if (d < 1 || d > ULTIMO_DIA(m)) {
        porque = brancos(3) + "Essa data não existe: os dias do mês "_w + std::to_string(m) + " vão de 1 a "_w +
                 std::to_string(ULTIMO_DIA(m)) + ".";
      } else if (LAM && !cabe_lamina(l)) {
        porque = FORA_LAMINA;
      } else {
        DIA = d;
        MES_ = m;
        SEP = s;
        if (LAM) *LAM = l;
        return;
      }
    }
    if (!porque.empty()) mensagem(porque);
    mostra();
  }
}

std::function<void()> prompt(const std::string& texto) {
  return [texto] { qw::pergunta(texto); };
}

// After an empty line; "N" or "n" repeats the step, any other answer accepts it.
bool corretos() {
  qw::escreve("");
  return CORRETOS();
}

std::string tracos(int n) { return brancos(8) + " " + std::string(n, '-'); }

// Step 1: the code and the file it names; false when the user leaves with "0".
bool codigo(std::string& CODIGO, std::string& nome) {
  for (;;) {
    SALTA();
    qw::escreve("");
    CODIGO = PEDE_CODIGO(brancos(3) + "Código do ficheiro de cultura? "_w, 40, {TIPO_CUL});
    if (apara(CODIGO) == "0") return false;
    nome = nome_dados(CODIGO, TIPO_CUL);
    if (!existe(nome)) return true;
    qw::escreve("");
    qw::escreve(brancos(4) + "Já existe um ficheiro com este código."_w);
    qw::pergunta(brancos(4) + "Pretende indicar outro código? (S/N) "_w);
    char r = LETRA();
    SALTA();
    if (r != 'S' && r != 's') return true;
  }
}

// Step 2: the initial depth and the dates of the six crop phases.
void fases(DadosCultura& D) {
  const std::string PROMPT[6] = {
      "  A - Sementeira  -------------------------> ",      "  B - Início do afilhamento  --------------> "_w,
      "  C - Início da formação da panícula  -----> "_w, "  D - Início da formação do grão  ---------> "_w,
      "  E - Início da maturação  ----------------> "_w,    "  F - Colheita  ---------------------------> "};
  do {
    SALTA();
    qw::escreve("");
    qw::escreve("");
    D.LAM0 = lamina(brancos(3) + "Altura inicial de lâmina de água? (prep.terra) (m) "_w);
    for (int i = 0; i < 3; ++i) qw::escreve("");
    qw::escreve(brancos(10) + "CICLO VEGETATIVO DO ARROZ");
    qw::escreve("");
    qw::escreve(brancos(3) + "Introduza datas referentes ao início de cada fase  dd/mm"_w);
    for (int i = 1; i <= 6; ++i) {
      auto mostra = prompt(PROMPT[i - 1]);
      // Phase A's prompt comes after two empty lines, the first time and every time again.
      if (i == 1)
        mostra = [mostra] {
          qw::escreve("");
          qw::escreve("");
          mostra();
        };
      data(mostra, D.DDFASE(i), D.MMFASE(i), D.SEP);
    }
  } while (!corretos());
}

// Step 3: the six reference dates and their target depths.
void referencias(DadosCultura& D, const std::string& CODIGO) {
  D.DDF(1) = D.DDFASE(1);
  D.MMF(1) = D.MMFASE(1);
  do {
    SALTA();
    qw::escreve(brancos(8) + "CULTURA: " + CODIGO.substr(0, 8));
    qw::escreve(tracos(62));
    qw::escreve(brancos(8) + "  FASES                 A     B     C     D     E     F ");
    qw::escreve(tracos(62));
    std::string inicio = brancos(8) + "  início fase c.veg. "_w;
    for (int i = 1; i <= 6; ++i) inicio += fI(D.DDFASE(i), 2) + "/" + fI(D.MMFASE(i), 2) + " ";
    qw::escreve(inicio);
    qw::escreve(tracos(65));
    qw::escreve(brancos(3) + "Complete o seguinte quadro com:");
    qw::escreve(brancos(3) + "- data(dd/mm)");
    qw::escreve(brancos(3) + "- altura de lâmina de água pretendida na data indicada (m)"_w);
    qw::escreve("");
    qw::escreve(brancos(3) + "Nota:1. A altura de lâmina toma o valor dado na data indicada"_w);
    qw::escreve(brancos(8) + "2. Entre datas sucessivas a altura de referência da lâmina"_w);
    qw::escreve(brancos(11) + "permanece constante");
    qw::escreve(brancos(8) + "3. Deve indicar 6 datas e respectivas lâminas sendo a primeira"_w);
    qw::escreve(brancos(11) + "e última respeitantes à sementeira e ao fim da rega"_w);
    qw::escreve(brancos(8) + "4. As datas de drenagem são introduzidas posteriormente"_w);
    qw::escreve(tracos(65));
    qw::escreve(brancos(22) + "Período"_w + brancos(6) + "Data" + brancos(4) + "Altura");
    qw::escreve(brancos(41) + "lâmina (m)"_w);
    qw::escreve(tracos(65));
    D.LAMF(1) = lamina(brancos(20) + "Sementeira" + brancos(4) + fI(D.DDFASE(1), 2) + "/" + fI(D.MMFASE(1), 2) +
                       brancos(5));
    for (int i = 2; i <= 6; ++i) {
      std::string texto = i < 6 ? std::to_string(i) + "ª data       "_w : "Fim da rega   ";
      data(prompt(brancos(20) + texto), D.DDF(i), D.MMF(i), D.SEP, &D.LAMF(i));
    }
  } while (!corretos());
}

// Step 4: the drainages for phytosanitary treatments and the tolerance.
void drenagens(DadosCultura& D) {
  do {
    SALTA();
    qw::escreve("");
    qw::escreve(brancos(25) + "DRENAGEM PARA");
    qw::escreve("");
    qw::escreve(brancos(20) + "TRATAMENTOS FITOSSANITARIOS");
    qw::escreve("");
    qw::pergunta(brancos(2) + "Há drenagem total/parcial dos canteiros? (S/N) "_w);
    char r;
    do r = LETRA();
    while (r != 'S' && r != 's' && r != 'N' && r != 'n');
    D.RESPDREN = r;
    D.NDREN = 0;
    if (r == 'S' || r == 's') {
      qw::pergunta(brancos(2) + "Quantas vezes? ");
      D.NDREN = digito();
      qw::escreve("");
      qw::escreve(brancos(20) + "DRENAGEM DOS CANTEIROS");
      for (int k = 1; k <= D.NDREN; ++k) {
        qw::escreve("");
        qw::escreve(brancos(8) + std::to_string(k) + "ª drenagem"_w);
        data(prompt(brancos(1) + " data?                                  "), D.DDREN(k), D.MDREN(k), D.SEP);
        D.LAMDREN(k) = lamina(brancos(1) + " altura de lâmina pretendida?           "_w);
        D.DIASDREN(k) = livre1(brancos(1) + " duração desta altura de lâmina? (dias) "_w, &Livre::inteiro,
                               cabe_duracao, FORA_DURACAO);
      }
    }
    qw::escreve("");
    D.TOL = livre1(brancos(1) + "  Tolerância (%) para a altura máxima da lâmina de água? "_w, &Livre::real);
  } while (!corretos());
}

// Step 5: the crop coefficients.
void coeficientes(DadosCultura& D, const std::string& CODIGO) {
  SALTA();
  for (int i = 0; i < 3; ++i) qw::escreve("");
  qw::escreve(brancos(8) + "Introdução dos coeficientes culturais de: "_w + CODIGO.substr(0, 10));
  for (;;) {
    qw::escreve("");
    qw::escreve("");
    qw::escreve(brancos(10) + "Escolha uma das opções:"_w);
    qw::escreve(brancos(10) + "1.Coeficiente cultural constante  (Kc=1.00)");
    qw::escreve(brancos(10) + "2.Coeficiente cultural mensal");
    qw::pergunta(brancos(55) + "------> ");
    D.INDK = digito();
    if (D.INDK == 1) break;
    if (D.INDK != 2) continue;
    // Seven coefficients and twelve month names: a season of 1 to 7 months within the year.
    if (meses_coeficientes(D.MMFASE(1), D.MMFASE(6))) break;
    mensagem(brancos(10) + "Coeficientes mensais só para 1 a 7 meses, da sementeira à colheita."_w);
  }
  if (D.INDK != 2) return;
  qw::escreve("");
  qw::escreve(brancos(8) + "Coeficientes culturais mensais para");
  qw::escreve("");
  std::string meses = brancos(8);
  for (int m = D.MMFASE(1); m <= D.MMFASE(6); ++m) meses += MES(m) + "  ";
  qw::escreve(meses);
  livres<float>(NKC(D), brancos(8), &Livre::real, cabe_lamina, FORA_LAMINA,
                [&](int32_t k, float v) { D.KC(k) = v; });
}

}  // namespace

void CRIA_CULTURA(int& IERR) {
  DadosCultura D;
  std::string CODIGO, nome;
  if (!codigo(CODIGO, nome)) {
    IERR = 1;
    return;
  }
  fases(D);
  referencias(D, CODIGO);
  drenagens(D);
  coeficientes(D, CODIGO);
  const std::string disco = ESCREVE_CULTURA(nome, D);
  qw::escreve("");
  qw::escreve("");
  qw::escreve(brancos(15) + "DADOS CULTURAIS ARMAZENADOS NO FICHEIRO " + disco);
  // The message stays until the user has read it: the menu clears the screen next.
  CARREGUE();
}

void LIMPAR() {
  for (int i = 0; i < 28; ++i) qw::escreve("");
}

void FICH(const std::string& CODIGO, const std::string& TIPO, int32_t& IOPCAO, std::fstream& F) {
  const std::string nome = nome_dados(CODIGO, TIPO);
  IOPCAO = 0;
  if (!existe(nome)) std::ofstream(no_disco(nome), std::ios::binary);
  F.open(no_disco(nome), std::ios::in | std::ios::out | std::ios::binary);
  std::string linha;
  if (!F || !std::getline(F, linha)) {
    F.clear();
    F.seekg(0);
    return;
  }
  F.seekg(0);
  qw::escreve("");
  qw::escreve(brancos(5) + "Já existe um ficheiro com esse nome. Escolha uma opção:"_w);
  qw::escreve("");
  qw::escreve(brancos(5) + "Actualização do ficheiro ===============> 1"_w);
  qw::escreve(brancos(5) + "Criação de um novo ficheiro ============> 2"_w);
  qw::escreve(brancos(5) + "Volta ao menu inicial ==================> 0 ");
  IOPCAO = livre1(brancos(5) + "========================================> ", &Livre::inteiro);
  if (IOPCAO == 1) F.close();
}
